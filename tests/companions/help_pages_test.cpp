// The help pages shipped in the application folder: every page the program names is there, declares its
// encoding, and links only to pages that exist.

#include "companions_test_support.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocument>
#include <QUrl>

namespace {
const char *const kPages[] = {"freemain.htm", "freeuser.htm", "freedtys.htm", "freedtyg.htm",
                              "freeprce.htm", "freesprt.htm", "freegprt.htm", "soft.htm"};

QString HelpFolder() { return QUrl(HelpBase()).toLocalFile(); }
} // namespace

TEST_F(CompanionsTest, EveryHelpPageIsShippedAsUtf8WithATitle) {
    for (const char *page : kPages) {
        SCOPED_TRACE(page);
        QFile f(HelpFolder() + QString::fromLatin1(page));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString html = utf8(bytes);
        EXPECT_FALSE(utf8.hasError());
        EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">"), Qt::CaseInsensitive));
        QTextDocument doc;
        doc.setHtml(html);
        EXPECT_FALSE(doc.metaInformation(QTextDocument::DocumentTitle).isEmpty());
        EXPECT_GT(doc.toPlainText().size(), 300); // a real page, not a placeholder
    }
}

TEST_F(CompanionsTest, HelpPagesLinkOnlyToPagesThatExist) {
    const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
    for (const char *page : kPages) {
        QFile f(HelpFolder() + QString::fromLatin1(page));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page;
        const QString html = QString::fromUtf8(f.readAll());
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target.isEmpty() || target.contains(QLatin1Char(':')))
                continue; // same-page anchors and outside addresses
            EXPECT_TRUE(QFileInfo::exists(HelpFolder() + target)) << page << " links to " << target.toStdString();
        }
    }
}
