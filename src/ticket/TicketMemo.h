#pragma once

#include <QPlainTextEdit>

// The ticket as the register sends it, shown in capitals: the text itself is kept as given, so the
// lines picked by touch are the register's own.
//
// A touch picks line n where its height divided by the font size gives n, so the memo draws line n
// itself in that band: one font size per line, the top band left empty, whatever the face's own spacing.
class TicketMemo final : public QPlainTextEdit
{
public:
    explicit TicketMemo(const QString& name, QWidget* parent = nullptr);

    // The height of one line: the font size, in pixels.
    static int linePitch(const QFont& font);
    // Whole lines scrolled out above the top.
    int scrolledLines() const;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void keepCapitals();
};
