#pragma once

#include "model/layout.h"

#include <QWidget>

namespace vkt::ui {

// A gradient header bar at the top of a panel, with its caption. The colours
// can be changed at run time (section highlighting).
class HeaderBar : public QWidget {
    Q_OBJECT
public:
    HeaderBar(const layout::HeaderSpec &def, QWidget *parent = nullptr);

    void setLook(const layout::HeaderLook &look);
    QColor startColor() const { return m_start; }
    QColor endColor() const { return m_end; }
    QColor captionColor() const;
    const QString &caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    bool m_centered;
    bool m_wrap;
    QColor m_start, m_end, m_captionColor;
    bool m_systemCaption = true;
};

} // namespace vkt::ui
