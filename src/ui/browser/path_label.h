#pragma once
// A one-line label for a file path that never widens its window: a path
// longer than the room it has is shown with "..." in the middle, and the
// tooltip holds it whole.

#include <QLabel>

namespace castovin {

class PathLabel : public QLabel {
    Q_OBJECT

public:
    explicit PathLabel(QWidget* parent);

    void SetPath(const QString& path);
    QString Path() const { return m_path; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Elide();

    QString m_path;
};

}  // namespace castovin
