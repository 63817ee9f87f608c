#pragma once

#include <QLabel>

// A one-line label that shows as much of its text as fits, ending in "…",
// so a long account name never widens the sidebar. It asks for the room of
// its full text but accepts any width.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
