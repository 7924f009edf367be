#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

// The red keys of the terminal: a coloured rectangle whose caption label passes its taps on to it.
class RedKey : public QWidget
{
    Q_OBJECT

public:
    RedKey(const QString& name, const QString& captionName, const QString& caption, QWidget* parent = nullptr);

    QLabel* caption() const { return m_caption; }
    void setColour(const QColor& colour);
    // What a tap on the key does, for a press that comes another way (a screen reader's): nothing while the key is
    // disabled or not shown.
    void press();

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLabel* m_caption;
    QColor m_colour;
    bool m_pressed = false;
};
