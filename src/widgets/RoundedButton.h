#pragma once

#include <QColor>
#include <QPushButton>

// A push button with slightly rounded corners, in light grey with black text, whose caption wraps onto more lines
// when the button is narrow. It paints itself rather than through a style sheet: the first style sheet of a
// program brings the whole style sheet machinery with it.
class RoundedButton final : public QPushButton
{
    Q_OBJECT

public:
    RoundedButton(const QString& name, const QString& caption, QWidget* parent = nullptr);

    void setColours(const QColor& frame, const QColor& face);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_frame = QColor::fromRgba(0xFFA9A9A9);
    QColor m_face = QColor::fromRgba(0xFFEFEFEF);
};
