#include "sheet_frame.h"

#include <QFileInfo>

namespace sheet {

void SetSheetDefaults(Sheet &s, int fontColour, double columnWidth, double rowHeight) {
    s.setSheetBorderColour(kWhite);
    s.setSheetFont(QStringLiteral("굴림"), 9, fontColour);
    s.setSheetAlignment(HAlign::Center, VAlign::Center);
    s.setSheetColumnWidth(columnWidth);
    s.setSheetRowHeight(rowHeight);
}

void DrawAllLines(Sheet &s, const QString &range, Weight w, int colour) {
    s.setBorderStyle(range, LineStyle::Continuous);
    s.setBorderWeight(range, w);
    s.setBorderColour(range, colour);
}

void DrawEdge(Sheet &s, const QString &range, Edge e, Weight w, int colour) {
    s.setEdgeStyle(range, e, LineStyle::Continuous);
    s.setEdgeWeight(range, e, w);
    s.setEdgeColour(range, e, colour);
}

void DrawRowBottoms(Sheet &s, const QString &range, Weight w, int colour) {
    const Range r = ParseRange(range);
    for (int row = r.top; row <= r.bottom; ++row)
        DrawEdge(s, CellAddress(row, r.left) + u':' + CellAddress(row, r.right), Edge::Bottom, w, colour);
}

void MergedText(Sheet &s, const QString &range, const QString &text) {
    const Range r = ParseRange(range);
    s.merge(r);
    s.setValue(CellRef{r.top, r.left}, text);
}

void PlaceSeal(Sheet &s, const QString &sealPath, double right, double down) {
    if (sealPath.isEmpty() || !QFileInfo(sealPath).isFile())
        return;
    // A seal is ink: its white is paper and must not hide the words beside it.
    if (s.insertPicture(sealPath, true))
        s.movePictures(right, down);
}

QString TitleRule() { return QString(28, QChar(u'〓')); }

} // namespace sheet
