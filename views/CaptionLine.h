// A line inside a pane caption, after the caption's own text (which stays
// as it is): how many rows the grids under the caption show, for example
// " Satellite   6 satellites · 24 transponders". It follows the grids'
// rows as they change and the caption as it moves.
#pragma once

#include <QLabel>

#include <functional>

class QAbstractItemModel;

class CCaptionLine final : public QLabel {
public:
    // A child of `caption`; `text` makes the line.
    CCaptionLine(QLabel& caption, std::function<QString()> text);
    // The line is made again whenever this model's rows change.
    void Watch(const QAbstractItemModel* model);
    void Update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();
    QLabel& m_caption;
    std::function<QString()> m_text;
};

// The lines of the left panes' captions: satellites and transponders (or
// multiplexes) under " Satellite" / " Mux information", providers under
// " Provider" and favourite lists under " Favorite". The panes' controls are
// found by their object names.
void AddLeftCaptionLines(QWidget& leftTop, QWidget& leftBottom);

// "1 satellite", "6 satellites": a count with its noun, from the templates
// ("%1 satellite", "%1 satellites") in the installed language.
QString CountOf(int n, const char* one, const char* many);
