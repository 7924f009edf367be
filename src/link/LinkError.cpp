#include "LinkError.h"

LinkError::LinkError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
