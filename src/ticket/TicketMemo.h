#pragma once

#include <QPlainTextEdit>

// The ticket as the register sends it, shown in capitals: the text itself is kept as given, so the
// lines picked by touch are the register's own.
class TicketMemo final : public QPlainTextEdit
{
public:
    explicit TicketMemo(const QString& name, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void keepCapitals();
};
