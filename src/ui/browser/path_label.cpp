#include "ui/browser/path_label.h"

#include <QFontMetrics>

namespace castovin {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void PathLabel::SetPath(const QString& path)
{
    m_path = path;
    setToolTip(path);
    Elide();
}

QSize PathLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

QSize PathLabel::sizeHint() const
{
    return {0, QLabel::sizeHint().height()};
}

void PathLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    Elide();
}

void PathLabel::Elide()
{
    setText(fontMetrics().elidedText(m_path, Qt::ElideMiddle, qMax(0, contentsRect().width())));
}

}  // namespace castovin
