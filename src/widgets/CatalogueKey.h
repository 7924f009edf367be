#pragma once

#include <QColor>
#include <QFont>
#include <QStaticText>
#include <QWidget>

#include <functional>
#include <optional>

// A key the catalogue load builds by the thousand (a product key, a set-menu cell, a plan table): one widget that
// fills its box with its colour and paints its caption, word-wrapped and centred, in a box inside it. Only a tap on
// the caption counts; the key hands its tag to the handler of its set. The caption is also the key's accessible name
// once the key is shown, so screen readers and automation find a key by its text. The caption is drawn in the
// palette's window text colour, as a label's.
class CatalogueKey final : public QWidget
{
    Q_OBJECT

public:
    enum class Tap
    {
        Single,
        Double,
    };
    // shared by the keys of one set: a copy is no more than the pointer it captures
    using TapHandler = std::function<void(int tag)>;

    // a new key is white until its colour is set, and answers a single tap
    CatalogueKey(const QString& name, int tag, TapHandler onTap, QWidget* parent);

    int tag() const { return m_tag; }
    // What a tap (or a double tap, for a key that takes those) on the caption does, for a press that comes another
    // way (a screen reader's): nothing while the key is disabled or not shown.
    void press();
    void setTap(Tap tap) { m_tap = tap; }
    Tap tap() const { return m_tap; }

    void setColour(const QColor& colour);
    QColor colour() const { return m_colour; }

    void setText(const QString& text);
    QString text() const { return m_text; }
    void setCaptionFont(const QFont& font);
    QFont captionFont() const { return m_font; }
    // in the key's own coordinates
    void setCaptionBox(const QRect& box);
    QRect captionBox() const { return m_captionBox; }
    // Where the last tap landed, in the key's own coordinates.
    QPoint tapPoint() const { return m_tapPoint; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool onCaption(const QMouseEvent* event) const;
    void captionChanged();
    void tapped(const QMouseEvent* event);

    int m_tag;
    TapHandler m_onTap;
    Tap m_tap = Tap::Single;
    bool m_pressed = false;
    // when this key last took a press, on the window system's clock: a double click is the key's own only after it
    std::optional<quint64> m_pressedAt;
    QPoint m_tapPoint;
    QColor m_colour = Qt::white;
    QString m_text;
    QFont m_font;
    QRect m_captionBox;
    // laid out at the first paint for its box and font, and kept until one of them changes: most keys are never
    // painted, and a painted one is not laid out again at every paint
    std::optional<QStaticText> m_caption;
};
