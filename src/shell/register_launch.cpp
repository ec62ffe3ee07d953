#include "register_launch.h"

#include "document_index.h"
#include "editor_launch.h"
#include "register_window.h"
#include "settings.h"
#include "subUnt.h"
#include "workpath.h"

void OpenRegister(QWidget *mainWindow, int captionAdj) {
    reg::DocumentIndex index;
    auto opener = [captionAdj](QWidget *parent, const reg::RegisterEntry &entry) {
        const int pageKind = entry.kind == reg::DocKind::Quotation ? pkQuotation : pkInvoiceOrStatement;
        OpenEditorOnFile(parent, pageKind, entry.kind == reg::DocKind::Statement, captionAdj, entry.path);
    };
    reg::RegisterWindow window(index, GetWorkPath(kIniFileName), opener, mainWindow);
    window.exec();
}
