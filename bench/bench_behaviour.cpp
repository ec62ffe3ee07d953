// The cost of what runs after every key in an item grid: the computation of a full 30-line statement
// (line amounts, sums, digit boxes), the same through the editor window's controls, and one typed key's
// whole handling in the grid's cell editor (filter, key-up rules, recalculation, repainting requests).
#include "HStrGrid.h"
#include "arithmetic.h"
#include "fonts.h"
#include "money.h"
#include "settings.h"
#include "subUnt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A statement with every line filled: quantity, unit price, supply and tax.
InvoiceDocument fullStatement() {
    InvoiceDocument d = InvoiceDocument::empty(true);
    for (int r = 0; r < d.lines.size(); ++r) {
        InvoiceLine &line = d.lines[r];
        line.item = QStringLiteral("품목 %1").arg(r + 1);
        line.quantity = Money::fromRaw((r + 1) * Money::Scale + Money::Scale / 2);
        line.unitPrice = Money::fromWon(1000 + 37 * r);
        line.supply = LineProductWithCorrection(line.unitPrice, line.quantity);
        line.tax = TaxRule(line.supply);
    }
    return d;
}

void BM_RecalculateAndTotals_Statement30(benchmark::State &state) {
    const QList<InvoiceLine> filled = fullStatement().lines;
    for (auto _ : state) {
        QList<InvoiceLine> lines = filled;
        const InvoiceTotals t = RecalculateInvoice(lines, 7, false);
        benchmark::DoNotOptimize(ShowInvoiceTotals(t.supply, t.tax));
    }
}
BENCHMARK(BM_RecalculateAndTotals_Statement30)->Unit(benchmark::kMicrosecond);

struct StatementWindow {
    TsubUntf editor{nullptr, 1, true, 0};
    THStringGrid *grid = nullptr;
    StatementWindow() {
        editor.show();
        grid = editor.findChild<THStringGrid *>(QStringLiteral("gGrid"));
        InvoiceDocument d = fullStatement();
        d.supplier = editor.invoiceDocument().supplier;
        editor.showInvoiceDocument(d);
        grid->setFocus();
        grid->setCurrentCell(7, ColumnsOf(GridKind::Statement).unitPrice);
        QCoreApplication::processEvents();
    }
};

void BM_EditorRecalculate_Statement30(benchmark::State &state) {
    StatementWindow w;
    for (auto _ : state)
        w.editor.Recalculate(false);
}
BENCHMARK(BM_EditorRecalculate_Statement30)->Unit(benchmark::kMicrosecond);

// One key typed into the open cell editor of a unit price: a digit, then Backspace, alternately.
void BM_TypedKey_StatementUnitPrice(benchmark::State &state) {
    StatementWindow w;
    w.grid->edit(w.grid->currentIndex());
    QWidget *cellEditor = w.grid->inplaceEditor();
    if (!cellEditor) {
        state.SkipWithError("no cell editor");
        return;
    }
    bool digit = true;
    for (auto _ : state) {
        const Qt::Key key = digit ? Qt::Key_5 : Qt::Key_Backspace;
        const QString text = digit ? QStringLiteral("5") : QStringLiteral("\b");
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(cellEditor, &press);
        QApplication::sendEvent(cellEditor, &release);
        digit = !digit;
    }
}
BENCHMARK(BM_TypedKey_StatementUnitPrice)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    QTemporaryDir folder; // settings read from an empty application folder
    SetApplicationFolderForTesting(folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
