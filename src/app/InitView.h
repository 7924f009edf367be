#pragma once

#include "DesignView.h"

class QLabel;
class QLineEdit;
class QPushButton;
class RedKey;

// The start view: register address, local start, configuration and quit.
class InitView final : public DesignView
{
    Q_OBJECT

public:
    static const QString RestingStatus;

    explicit InitView(QWidget* parent = nullptr);

    QLabel* text1() const { return m_text1; }
    QLineEdit* Edit1() const { return m_edit1; }
    RedKey* button4() const { return m_button4; }
    QPushButton* Button1() const { return m_button1; }
    QPushButton* Button28() const { return m_button28; }

private:
    QLabel* m_text1;
    QLineEdit* m_edit1;
    RedKey* m_button4;
    QPushButton* m_button1;
    QPushButton* m_button28;
};
