#include "prompts.h"
#include "settings.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    QLabel window(QStringLiteral("켈모르소프트 세금계산서"));
    window.setWindowTitle(kAppTitle);
    window.setAlignment(Qt::AlignCenter);
    window.resize(712, 613);
    window.show();
    return app.exec();
}
