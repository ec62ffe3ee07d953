#include "register_launch.h"

#include "document_index.h"
#include "editor_launch.h"
#include "register_window.h"
#include "settings.h"
#include "settings_keys.h"
#include "subUnt.h"
#include "errors.h"
#include "workpath.h"

#include <memory>

void OpenRegister(QWidget *mainWindow, int captionAdj) {
    // The index is a cache: where no index file can be made, one in memory does (every file is read).
    std::unique_ptr<reg::DocumentIndex> index;
    QString notice;
    try {
        index = std::make_unique<reg::DocumentIndex>();
    } catch (const AppError &) {
        index = std::make_unique<reg::DocumentIndex>(reg::kIndexInMemory);
        notice = QStringLiteral("(색인 파일을 만들 수 없어 매번 모든 문서를 읽습니다)");
    }
    auto opener = [captionAdj](QWidget *parent, const reg::RegisterEntry &entry) {
        const int pageKind = entry.kind == reg::DocKind::Quotation ? pkQuotation : pkInvoiceOrStatement;
        OpenEditorOnFile(parent, pageKind, entry.kind == reg::DocKind::Statement, captionAdj, entry.path);
    };
    reg::RegisterPlace place;
    place.folder = GetRegisterFolder(kIniFileName);
    place.savedDocuments = SavedDocuments(kIniFileName);
    place.folderChosen = [](const QString &folder) { SetRegisterFolder(folder, kIniFileName); };
    place.notice = notice;
    place.supplier = keys::readSupplier();
    place.supplierEmail = keys::read(keys::fMail);
    reg::RegisterWindow window(*index, place, opener, mainWindow);
    window.exec();
}
