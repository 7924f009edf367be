#include "HandlerGuard.h"

#include "MessageBox.h"

void HandlerGuard::showError(const QString& text)
{
    MessageBox::show(m_window, text);
}
