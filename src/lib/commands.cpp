#include "commands.h"

#include "korean_ui.h"

void ShowCommandError(QWidget *parent, const QString &message) {
    prompts().error(parent, KoreanSystemReasons(message), kAppTitle);
}
