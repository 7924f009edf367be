#include "CodeEdit.h"

#include <QRegularExpressionValidator>

CodeEdit::CodeEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(MaxLength);
    // the register's codes never hold a 0
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[1-9]{0,4}")), this));
    setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhNoPredictiveText);
    setAlignment(Qt::AlignCenter);
    // the return key hands the box back, so the keypad closes and the Valider key is in sight
    connect(this, &QLineEdit::returnPressed, this, &QWidget::clearFocus);
}

QVariant CodeEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnterKeyType)
        return Qt::EnterKeySend;
    return QLineEdit::inputMethodQuery(query);
}
