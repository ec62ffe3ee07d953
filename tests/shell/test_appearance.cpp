// Every window as a person sees it on the desktops our users have: run once per desktop by
// under_desktop.sh (plain Qt, a dark Fusion palette, qt6ct's darker scheme, GNOME dark through the GTK
// theme; the themed ones with a desktop font twice the size of ours), on an X display of its own.
//
// Contrast: each visible widget that shows text is grabbed as pixels from its window, and its text must
// stand out from its background by at least 4.5:1 (relative luminance, (L1 + 0.05) / (L2 + 0.05)).
// Layout: in our fixed windows no text is wider than its widget and no two texts overlap.

#include "../export/export_fixtures.h"
#include "BtChkBox.h"
#include "PrtUnit.h"
#include "document_index.h"
#include "invoice_file.h"
#include "launch.h"
#include "mainU.h"
#include "prevUnt.h"
#include "print_fill.h"
#include "register_window.h"
#include "subUnt.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace {

double Channel(int c) {
    const double s = c / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb rgb) {
    return 0.2126 * Channel(qRed(rgb)) + 0.7152 * Channel(qGreen(rgb)) + 0.0722 * Channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the text in a patch of pixels: the background is the commonest colour, the text the
// colour standing out most from it (anti-aliasing only gives shades between the two). The patch is taken
// inside the widget's frame and grid lines.
double TextContrast(const QImage &patch, QRgb *background = nullptr, QRgb *ink = nullptr) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < patch.height(); ++y)
        for (int x = 0; x < patch.width(); ++x)
            ++counts[patch.pixel(x, y) | 0xff000000u];
    QRgb bg = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            bg = it.key();
        }
    double best = 1.0;
    QRgb text = bg;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (Contrast(bg, it.key()) > best) {
            best = Contrast(bg, it.key());
            text = it.key();
        }
    if (background)
        *background = bg;
    if (ink)
        *ink = text;
    return best;
}

// The text a widget shows, empty when it shows none.
QString ShownText(QWidget *w) {
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->pixmap().isNull() ? l->text() : QString();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->echoMode() == QLineEdit::Normal ? e->displayText() : QString();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    if (auto *box = qobject_cast<TBitCheckBox *>(w))
        return box->Caption();
    return {};
}

bool Blank(const QString &text) {
    QString t = text;
    t.remove(u'&');
    return t.trimmed().isEmpty() || t.contains(u'<');
}

// A place in a window that shows text: its rectangle in window coordinates.
struct TextPlace {
    QString name;
    QString text;
    QRect rect;
    QWidget *widget;
};

QString NameOf(QWidget *w) {
    QString name = w->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(w->metaObject()->className());
    return name;
}

bool Shown(QWidget *w, QWidget *window) {
    return w->isVisible() && w->isEnabled() && w->width() > 4 && w->height() > 4 &&
           (w == window || w->isVisibleTo(window));
}

// The cells and headers of a table that show text.
void AddTablePlaces(QTableView *table, QWidget *window, QList<TextPlace> &places) {
    QAbstractItemModel *model = table->model();
    if (!model)
        return;
    QWidget *viewport = table->viewport();
    const QRect visible = viewport->rect();
    for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c) {
            const QModelIndex index = model->index(r, c);
            const QString text = index.data().toString();
            const QRect cell = table->visualRect(index) & visible;
            if (Blank(text) || cell.height() < 8 || !(index.flags() & Qt::ItemIsEnabled))
                continue;
            // A lone symbol's strokes (the picker's 、 or ‘) are thinner than a pixel and never reach their
            // colour in pixels; the letters and digits of the same view are measured.
            if (std::none_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.isLetterOrNumber(); }))
                continue;
            const QRect inner = cell.adjusted(1, 1, -1, -1);
            places.append({QStringLiteral("%1 cell %2,%3").arg(NameOf(table)).arg(r).arg(c), text,
                           QRect(viewport->mapTo(window, inner.topLeft()), inner.size()), viewport});
        }
    QHeaderView *header = table->horizontalHeader();
    if (!header->isVisible())
        return;
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString text = model->headerData(c, Qt::Horizontal).toString();
        if (Blank(text) || header->isSectionHidden(c))
            continue;
        const QRect section =
            QRect(header->sectionViewportPosition(c), 0, header->sectionSize(c), header->height()).adjusted(1, 1, -1, -1);
        places.append({QStringLiteral("%1 header %2").arg(NameOf(table)).arg(c), text,
                       QRect(header->viewport()->mapTo(window, section.topLeft()), section.size()), header});
    }
}

QList<TextPlace> TextPlaces(QWidget *window) {
    QList<TextPlace> places;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        if (!Shown(w, window))
            continue;
        if (auto *table = qobject_cast<QTableView *>(w)) {
            AddTablePlaces(table, window, places);
            continue;
        }
        if (w->isWindow() && w != window)
            continue;
        const QString text = ShownText(w);
        if (Blank(text) || (w == window && !qobject_cast<QLabel *>(w)))
            continue;
        QRect inner = w->rect();
        if (auto *frame = qobject_cast<QFrame *>(w))
            inner = frame->contentsRect();
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QPushButton *>(w) || qobject_cast<QComboBox *>(w))
            inner.adjust(3, 3, -3, -3);
        places.append({NameOf(w), text, QRect(w->mapTo(window, inner.topLeft()), inner.size()), w});
    }
    return places;
}

// Every text of window that does not reach 4.5:1, with where it is and what was measured.
QStringList ContrastFaults(QWidget *window, const QString &what) {
    QStringList faults;
    const QImage shot = window->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    for (const TextPlace &p : TextPlaces(window)) {
        const QRect r = QRect((p.rect.topLeft() * ratio), p.rect.size() * ratio) & shot.rect();
        if (r.width() < 3 || r.height() < 3)
            continue;
        QRgb bg, ink;
        const double contrast = TextContrast(shot.copy(r), &bg, &ink);
        if (contrast < 4.5)
            faults << QStringLiteral("%1: %2 \"%3\" %4:1 (%5 on %6)")
                          .arg(what, p.name, p.text.left(20))
                          .arg(contrast, 0, 'f', 2)
                          .arg(QColor(ink).name(), QColor(bg).name());
    }
    return faults;
}

// The rectangles the words of a label take inside it, by its alignment: a label may leave a run of
// blanks for other controls to stand in (the editor's "이 금액을 … 함" around 영수 and 청구).
QList<QRect> LabelWords(QLabel *l, const QRect &inWindow) {
    const QFontMetrics fm = l->fontMetrics();
    const QString text = l->text();
    const QSize size = fm.size(Qt::TextShowMnemonic, text);
    const QRect inner(inWindow.topLeft(), l->contentsRect().size());
    const QRect whole = QStyle::alignedRect(l->layoutDirection(), l->alignment(), size.boundedTo(inner.size()), inner);
    if (text.contains(u'\n'))
        return {whole};
    QList<QRect> words;
    static const QRegularExpression word(QStringLiteral("\\S+"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int left = fm.horizontalAdvance(text.left(m.capturedStart()));
        words.append(QRect(whole.left() + left, whole.top(), fm.horizontalAdvance(m.captured()), whole.height()) &
                     whole);
    }
    return words;
}

// Texts wider than their widgets, and texts drawn over one another, in a fixed window.
QStringList LayoutFaults(QWidget *window, const QString &what) {
    QStringList faults;
    struct Drawn {
        QString name;
        QRect rect;
        QWidget *widget;
    };
    QList<Drawn> drawn;
    for (const TextPlace &p : TextPlaces(window)) {
        QWidget *w = p.widget;
        const QFontMetrics fm = w->fontMetrics();
        QString text = p.text;
        int room = p.rect.width();
        int indent = 0; // where the text begins: after a check box's or radio button's indicator
        if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
            const bool radio = qobject_cast<QRadioButton *>(w);
            indent = w->style()->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                                             nullptr, w) +
                     w->style()->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                   : QStyle::PM_CheckBoxLabelSpacing,
                                             nullptr, w);
            room -= indent;
        } else if (qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractItemView *>(w->parentWidget())) {
            continue; // typed text scrolls in its field; cells are the grids' own affair
        }
        int wide = 0;
        for (const QString &line : text.remove(u'&').split(u'\n'))
            wide = std::max(wide, fm.horizontalAdvance(line.trimmed()));
        auto *label = qobject_cast<QLabel *>(w);
        if (wide > room && !(label && label->wordWrap()))
            faults << QStringLiteral("%1: %2 \"%3\" is %4 px wide in %5 px").arg(what, p.name, p.text).arg(wide).arg(room);
        if (qobject_cast<QHeaderView *>(w))
            continue;
        if (label) {
            for (const QRect &r : LabelWords(label, p.rect))
                drawn.append({p.name, r, w});
        } else if (indent > 0) {
            drawn.append({p.name, QRect(p.rect.left() + indent, p.rect.top(), std::min(wide, room), p.rect.height()), w});
        } else {
            drawn.append({p.name, p.rect, w});
        }
    }
    for (int i = 0; i < drawn.size(); ++i)
        for (int j = i + 1; j < drawn.size(); ++j) {
            const Drawn &a = drawn.at(i), &b = drawn.at(j);
            if (a.widget == b.widget || a.widget->isAncestorOf(b.widget) || b.widget->isAncestorOf(a.widget))
                continue;
            const QRect both = a.rect & b.rect;
            if (both.width() > 2 && both.height() > 2)
                faults << QStringLiteral("%1: %2 and %3 overlap").arg(what, a.name, b.name);
        }
    return faults;
}

// The windows of the program, each checked as it is shown.
class Appearance : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The desktop under test is really there: its theme plugin is loaded into this process.
        const QByteArray expected = qgetenv("ZARU_EXPECT_THEME");
        if (!expected.isEmpty()) {
            QFile maps(QStringLiteral("/proc/self/maps"));
            ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
            ASSERT_TRUE(maps.readAll().contains(expected)) << "the platform theme " << expected.constData()
                                                           << " is not loaded";
        }
    }
    void SetUp() override {
        SetCompanionFolderForTesting(QStringLiteral(ZARU_APP_DIR)); }
    void TearDown() override { SetCompanionFolderForTesting(QString()); }

    void check(QWidget *window, const QString &what, bool fixedLayout = true) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window)) << what.toStdString();
        QApplication::processEvents();
        QTest::qWait(50);
        contrast += ContrastFaults(window, what);
        // Where the window system places windows itself (Wayland), a window goes over its parent only
        // when it names it.
        if (what != QStringLiteral("main") &&
            !(window->windowHandle() && window->windowHandle()->transientParent()))
            orphans << what;
        if (fixedLayout)
            layout += LayoutFaults(window, what);
        const QString dir = qEnvironmentVariable("ZARU_SHOT_DIR");
        if (!dir.isEmpty())
            window->grab().save(dir + u'/' + what + QStringLiteral(".png"));
    }

    // Opens a window through open (which may run it modally) and checks the first new window shown.
    void checkNewWindow(const std::function<void()> &open, const QString &what, bool fixedLayout = true) {
        const QWidgetList before = QApplication::topLevelWidgets();
        auto done = std::make_shared<bool>(false);
        QTimer poll;
        poll.setInterval(30);
        QObject::connect(&poll, &QTimer::timeout, [&, done] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && !before.contains(w) && !*done) {
                    *done = true;
                    poll.stop();
                    QTest::qWait(300);
                    check(w, what, fixedLayout);
                    w->close();
                    return;
                }
        });
        poll.start();
        open();
        for (int i = 0; i < 200 && !*done; ++i)
            QTest::qWait(25);
        EXPECT_TRUE(*done) << what.toStdString() << " did not open";
    }

    QStringList contrast;
    QStringList layout;
    QStringList orphans;
};

#define EXPECT_NO_FAULTS(list) EXPECT_TRUE(list.isEmpty()) << list.join(u'\n').toStdString()

TEST_F(Appearance, EveryWindowIsReadableAndItsTextsFit) {
    ScratchAppFolder app;
    Tmainf mainf([](QWidget *, int, bool, int) {});
    mainf.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainf));
    check(&mainf, QStringLiteral("main"));

    {
        TsubUntf editor(&mainf, 0, false, mainf.CaptionAdj());
        editor.show();
        check(&editor, QStringLiteral("registration"));
    }
    const struct {
        int kind;
        bool statement;
        const char *what;
    } pages[] = {{1, false, "tax-invoice"}, {1, true, "statement"}, {2, false, "quotation"}};
    for (const auto &page : pages) {
        TsubUntf editor(&mainf, page.kind, page.statement, mainf.CaptionAdj());
        editor.show();
        if (page.kind == 2) {
            editor.showQuotationDocument(sampleQuotation());
        } else {
            InvoiceDocument doc = page.statement ? sampleStatement() : sampleTaxInvoice();
            doc.statement = page.statement;
            editor.showInvoiceDocument(doc);
        }
        editor.Recalculate(true);
        check(&editor, QString::fromLatin1(page.what));

        // The print dialog's page of this editor page, over the editor.
        const int printPage = page.kind == 2 ? 2 : (page.statement ? 1 : 0);
        {
            TPrtUntf dialog(&editor, printPage, 3, [](const PrintOptions &) {});
            dialog.show();
            check(&dialog, QStringLiteral("print-dialog-%1").arg(printPage));
        }
        editor.SetModified(false);
        editor.close();
    }

    {
        report::TprevUntf preview(&mainf); // as a print job makes it: over the window in front
        PrintOptions options;
        auto form = printjobs::FillTaxInvoice(sampleTaxInvoice(), options);
        preview.showForm(*form);
        check(&preview, QStringLiteral("preview"));
        preview.close();
    }
    {
        QTemporaryDir data;
        const QString work = data.path() + QStringLiteral("/Work");
        QDir().mkpath(work);
        QFile f(work + QStringLiteral("/1208-1.Dy5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(WriteInvoiceFile(sampleTaxInvoice()));
        f.close();
        reg::DocumentIndex index(data.path() + QStringLiteral("/register.sqlite"));
        reg::RegisterWindow window(index, work, {}, &mainf);
        window.show();
        window.reload();
        check(&window, QStringLiteral("register"), false);
        window.close();
    }
    checkNewWindow([&] { ShowHelpPage(&mainf, QStringLiteral("freemain.htm")); }, QStringLiteral("help"), false);
    checkNewWindow([] { ShowAboutBox(QStringLiteral("1.0"), QStringLiteral("about")); }, QStringLiteral("about"));
    checkNewWindow([] { RunCalculator(); }, QStringLiteral("calculator"));
    checkNewWindow([] { RunSpecialChars(); }, QStringLiteral("special-characters"));

    EXPECT_NO_FAULTS(contrast);
    EXPECT_NO_FAULTS(layout);
    EXPECT_NO_FAULTS(orphans);
}

// The measure itself: black on white is 21:1, and the dark grey digits on black that the editor once
// showed on dark desktops fall short.
TEST(ContrastMeasure, FindsTextAndBackgroundInPixels) {
    QImage patch(20, 10, QImage::Format_RGB32);
    patch.fill(Qt::white);
    for (int x = 5; x < 9; ++x)
        patch.setPixel(x, 4, qRgb(0, 0, 0));
    EXPECT_NEAR(TextContrast(patch), 21.0, 0.01);
    patch.fill(qRgb(0x30, 0x2f, 0x2e));
    for (int x = 5; x < 9; ++x)
        patch.setPixel(x, 4, qRgb(0x5e, 0x5c, 0x5b));
    EXPECT_LT(TextContrast(patch), 4.5);
}

} // namespace
