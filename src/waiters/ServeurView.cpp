#include "ServeurView.h"

#include "app/Palette.h"

ServeurView::ServeurView(QWidget* parent)
    : DesignView(QStringLiteral("serveur"), QSizeF(386, 578), parent),
      m_rectangle11(new DesignView(QStringLiteral("Rectangle11"), QSizeF(386, 578)))
{
    setBackground(Palette::Background);
    static_cast<DesignView*>(m_rectangle11)->setBackground(Palette::Background);
    fill(m_rectangle11);
}
