// Accessible names read from what the window shows around a control, as a
// screen reader gets them through Qt's accessibility interface.
#include "qtkit/AccessibleNames.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

QString Spoken(QWidget& widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The filter installed on the application for the life of one test.
struct Installed {
    Installed() { qApp->installEventFilter(&names); }
    ~Installed() { qApp->removeEventFilter(&names); }
    CAccessibleNames names;
};

// `widget`, added to `layout`.
template <class W> W* Put(QBoxLayout* layout, W* widget) {
    layout->addWidget(widget);
    return widget;
}

} // namespace

TEST(AccessibleNames, EachSourceOfANameInItsOrder) {
    QDialog window;
    auto* column = new QVBoxLayout(&window);

    // A buddy label, mnemonic and colon taken out; it wins over the tooltip.
    auto* buddy = Put(column, new QLabel("&Frequency:", &window));
    auto* frequency = Put(column, new QLineEdit(&window));
    frequency->setToolTip("In MHz");
    buddy->setBuddy(frequency);
    EXPECT_EQ(DerivedAccessibleName(*frequency), "Frequency");

    // The label left of it in a grid, and before it in a row of widgets.
    auto* grid = new QGridLayout;
    column->addLayout(grid);
    auto* symbolRate = new QSpinBox(&window);
    auto* alone = new QSpinBox(&window);
    grid->addWidget(new QLabel("Symbol rate", &window), 0, 0);
    grid->addWidget(symbolRate, 0, 1);
    grid->addWidget(alone, 1, 0);
    EXPECT_EQ(DerivedAccessibleName(*symbolRate), "Symbol rate");
    auto* row = new QHBoxLayout;
    grid->addLayout(row, 2, 0, 1, 2); // nested: the search goes down the layouts
    Put(row, new QLabel("Polarity", &window));
    auto* polarity = Put(row, new QComboBox(&window));
    EXPECT_EQ(DerivedAccessibleName(*polarity), "Polarity");

    // In a form row whose label is not its buddy.
    auto* form = new QFormLayout;
    column->addLayout(form);
    auto* fec = new QComboBox(&window);
    form->addRow(new QLabel("FEC", &window), fec);
    EXPECT_EQ(DerivedAccessibleName(*fec), "FEC");

    // A row of controls as a form field: its first takes the row's label,
    // the others keep their own.
    auto* position = new QHBoxLayout;
    auto* degrees = Put(position, new QLineEdit(&window));
    auto* east = Put(position, new QRadioButton("&East", &window));
    auto* step = Put(position, new QSpinBox(&window));
    form->addRow("Position (degrees)", position);
    EXPECT_EQ(DerivedAccessibleName(*degrees), "Position (degrees)");
    EXPECT_EQ(DerivedAccessibleName(*east), "East");
    EXPECT_EQ(DerivedAccessibleName(*step), "") << "only the first of the row";

    // A label above it in a column.
    Put(column, new QLabel("Receiver:", &window));
    auto* receivers = Put(column, new QListWidget(&window));
    EXPECT_EQ(DerivedAccessibleName(*receivers), "Receiver");

    // A label that is the buddy of another control names only that one.
    auto* pair = new QHBoxLayout;
    column->addLayout(pair);
    auto* taken = Put(pair, new QLabel("Other", &window));
    auto* beside = Put(pair, new QLineEdit(&window));
    auto* other = Put(pair, new QLineEdit(&window));
    taken->setBuddy(other);
    EXPECT_EQ(DerivedAccessibleName(*other), "Other");
    EXPECT_EQ(DerivedAccessibleName(*beside), "");

    // A button's own text, a literal ampersand kept.
    auto* save = Put(column, new QPushButton("Fish && &Chips", &window));
    EXPECT_EQ(DerivedAccessibleName(*save), "Fish & Chips");

    // The title of the tab page it is on.
    auto* tabs = Put(column, new QTabWidget(&window));
    auto* page = new QWidget;
    auto* onPage = new QLineEdit(page);
    tabs->addTab(page, "&Cable");
    EXPECT_EQ(DerivedAccessibleName(*onPage), "Cable");

    // The tooltip of a button without text, a line edit's placeholder.
    auto* refresh = Put(column, new QToolButton(&window));
    refresh->setToolTip("Refresh all");
    EXPECT_EQ(DerivedAccessibleName(*refresh), "Refresh all");
    auto* filter = Put(column, new QLineEdit(&window));
    filter->setPlaceholderText("Filter by name");
    EXPECT_EQ(DerivedAccessibleName(*filter), "Filter by name");

    // The group box it is in, the nearest one.
    auto* outer = Put(column, new QGroupBox("Reception", &window));
    auto* inner = Put(new QVBoxLayout(outer), new QGroupBox("LNB", outer));
    auto* lnb = Put(new QVBoxLayout(inner), new QSpinBox(inner));
    EXPECT_EQ(DerivedAccessibleName(*lnb), "LNB");

    // Nothing names it: no name rather than a made-up one.
    EXPECT_EQ(DerivedAccessibleName(*alone), "");
}

TEST(AccessibleNames, TheFilterNamesFocusableControlsAndFollowsTheirLabels) {
    const Installed names;
    QDialog window;
    auto* form = new QFormLayout(&window);
    auto* name = new QLineEdit(&window);
    auto* label = new QLabel("Name", &window);
    form->addRow(label, name);
    auto* named = new QLineEdit(&window);
    named->setAccessibleName("Given by the program");
    form->addRow(new QLabel("Beside it", &window), named);
    auto* check = new QCheckBox("Scrambled", &window);
    form->addRow(check);
    auto* caption = new QLabel("A caption", &window);
    form->addRow(caption);
    auto* unfocusable = new QSpinBox(&window);
    unfocusable->setFocusPolicy(Qt::NoFocus);
    form->addRow(new QLabel("Not a stop", &window), unfocusable);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(Spoken(*name), "Name") << "what a screen reader is told";
    EXPECT_EQ(check->accessibleName(), "Scrambled");
    EXPECT_EQ(named->accessibleName(), "Given by the program") << "the program's name stays";
    EXPECT_EQ(caption->accessibleName(), "") << "labels speak their own text";
    EXPECT_EQ(unfocusable->accessibleName(), "") << "only controls the focus can reach";

    // A label changed while the control was hidden: the name follows on show.
    name->hide();
    label->setText("Channel name");
    name->show();
    EXPECT_EQ(Spoken(*name), "Channel name");
    // Once the program names it, the program's name stays.
    name->setAccessibleName("Set later");
    name->hide();
    label->setText("Third");
    name->show();
    EXPECT_EQ(Spoken(*name), "Set later");
    // Name() says whether a name could be found.
    QLineEdit lonely;
    EXPECT_FALSE(CAccessibleNames::Name(lonely));
    EXPECT_TRUE(CAccessibleNames::Name(*check));
}
