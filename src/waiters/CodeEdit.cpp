#include "CodeEdit.h"

#include <QValidator>

#include <algorithm>

namespace {

// The register's codes never hold a 0. Checked by hand: a regular expression would load its engine at every start
// for four digits.
class CodeValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        const bool digits = std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c >= u'1' && c <= u'9'; });
        return digits && input.size() <= CodeEdit::MaxLength ? Acceptable : Invalid;
    }
};

} // namespace

CodeEdit::CodeEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(MaxLength);
    setValidator(new CodeValidator(this));
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
