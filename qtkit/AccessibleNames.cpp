#include "qtkit/AccessibleNames.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QVariant>

#include <vector>

namespace {

// The name the filter last gave a widget: a name equal to it is the
// filter's own and follows the surroundings; any other is the program's.
constexpr const char* kDerivedProperty = "velmarDerivedAccessibleName";

// "&Name:" reads "Name"; "&&" is a literal ampersand.
QString Spoken(const QString& shown) {
    QString text =
        Qt::mightBeRichText(shown) ? QTextDocumentFragment::fromHtml(shown).toPlainText() : shown;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&')
                out += text[++i];
            continue;
        }
        out += text[i];
    }
    out = out.simplified();
    while (out.endsWith(':'))
        out.chop(1);
    return out.trimmed();
}

// A label that names `widget`: not the buddy of some other widget.
QString LabelText(const QWidget* candidate, const QWidget& widget) {
    const auto* label = qobject_cast<const QLabel*>(candidate);
    if (!label || (label->buddy() && label->buddy() != &widget))
        return {};
    return Spoken(label->text());
}

QString BuddyLabel(const QWidget& widget) {
    const QWidget* window = widget.window();
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == &widget)
            return Spoken(label->text());
    return {};
}

struct LayoutPlace {
    QLayout* layout = nullptr;
    int index = -1;
};

// The layouts that hold `widget`, innermost first, each with the index of
// the item that holds it (the widget, or the layout the step before).
bool FindPlaces(QLayout* layout, const QWidget& widget, std::vector<LayoutPlace>& places) {
    if (!layout)
        return false;
    if (const int index = layout->indexOf(&widget); index >= 0) {
        places.push_back({layout, index});
        return true;
    }
    for (int i = 0; i < layout->count(); ++i)
        if (QLayoutItem* item = layout->itemAt(i))
            if (FindPlaces(item->layout(), widget, places)) {
                places.push_back({layout, i});
                return true;
            }
    return false;
}

// The label a form row, the grid cell to the left or the item before in a
// row or column of widgets puts beside the item at `place`.
QString LabelAt(const LayoutPlace& place, const QWidget& widget) {
    if (auto* form = qobject_cast<QFormLayout*>(place.layout)) {
        int row = 0;
        QFormLayout::ItemRole role = QFormLayout::LabelRole;
        form->getItemPosition(place.index, &row, &role);
        if (role != QFormLayout::FieldRole)
            return {};
        const QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole);
        return label ? LabelText(label->widget(), widget) : QString();
    }
    if (auto* grid = qobject_cast<QGridLayout*>(place.layout)) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(place.index, &row, &column, &rows, &columns);
        if (column == 0)
            return {};
        const QLayoutItem* left = grid->itemAtPosition(row, column - 1);
        return left ? LabelText(left->widget(), widget) : QString();
    }
    if (auto* box = qobject_cast<QBoxLayout*>(place.layout)) {
        if (place.index == 0)
            return {};
        const QLayoutItem* before = box->itemAt(place.index - 1);
        return before ? LabelText(before->widget(), widget) : QString();
    }
    return {};
}

QString LayoutLabel(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    std::vector<LayoutPlace> places;
    if (!parent || !FindPlaces(parent->layout(), widget, places))
        return {};
    for (const LayoutPlace& place : places) {
        if (QString name = LabelAt(place, widget); !name.isEmpty())
            return name;
        // The first control of a nested row ("[12.5] (o) East (o) West")
        // takes the label of the row it starts.
        if (place.index != 0)
            break;
    }
    return {};
}

QString OwnText(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return Spoken(button->text());
    return {};
}

QString TabTitle(const QWidget& widget) {
    for (const QWidget* page = &widget; page && !page->isWindow(); page = page->parentWidget()) {
        const auto* stack = qobject_cast<const QStackedWidget*>(page->parentWidget());
        const auto* tabs = stack ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs)
            if (const int index = tabs->indexOf(const_cast<QWidget*>(page)); index >= 0)
                return Spoken(tabs->tabText(index));
    }
    return {};
}

QString ToolTip(const QWidget& widget) {
    return Spoken(widget.toolTip());
}

QString Placeholder(const QWidget& widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return Spoken(edit->placeholderText());
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        return Spoken(combo->placeholderText());
    return {};
}

QString GroupTitle(const QWidget& widget) {
    for (const QWidget* w = widget.parentWidget(); w; w = w->parentWidget()) {
        if (const auto* box = qobject_cast<const QGroupBox*>(w))
            return Spoken(box->title());
        if (w->isWindow())
            break;
    }
    return {};
}

bool WantsName(const QWidget& widget) {
    // Windows are named by their title, labels by their text.
    return widget.focusPolicy() != Qt::NoFocus && !widget.isWindow() &&
           !qobject_cast<const QLabel*>(&widget);
}

} // namespace

QString DerivedAccessibleName(const QWidget& widget) {
    using Source = QString (*)(const QWidget&);
    for (Source source :
         {BuddyLabel, OwnText, LayoutLabel, TabTitle, ToolTip, Placeholder, GroupTitle})
        if (QString name = source(widget); !name.isEmpty())
            return name;
    return {};
}

bool CAccessibleNames::Name(QWidget& widget) {
    const QString current = widget.accessibleName();
    const QVariant derived = widget.property(kDerivedProperty);
    if (!current.isEmpty() && (!derived.isValid() || derived.toString() != current))
        return true; // the program named it
    const QString name = DerivedAccessibleName(widget);
    widget.setProperty(kDerivedProperty, name);
    if (name != current)
        widget.setAccessibleName(name);
    return !name.isEmpty();
}

bool CAccessibleNames::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Polish || type == QEvent::Show) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (WantsName(*widget))
            Name(*widget);
    }
    return QObject::eventFilter(watched, event);
}
