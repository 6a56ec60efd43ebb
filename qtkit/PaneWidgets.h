// The maker's colour label and the splitter with 10-pixel bars in the
// button-face colour.
#pragma once

#include <QLabel>
#include <QSplitter>

class CColorStatic final : public QLabel {
public:
    explicit CColorStatic(const QString& text, QWidget* parent = nullptr);
};

class CColorSplitWnd final : public QSplitter {
public:
    explicit CColorSplitWnd(Qt::Orientation orientation, QWidget* parent = nullptr);
};
