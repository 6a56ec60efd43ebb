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

} // namespace

TEST(AccessibleNames, EachSourceOfANameInItsOrder) {
    QDialog window;
    auto* column = new QVBoxLayout(&window);

    // A buddy label, mnemonic and colon taken out; it wins over the tooltip.
    auto* frequency = new QLineEdit(&window);
    frequency->setToolTip("In MHz");
    auto* buddy = new QLabel("&Frequency:", &window);
    buddy->setBuddy(frequency);
    column->addWidget(buddy);
    column->addWidget(frequency);
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
    auto* polarity = new QComboBox(&window);
    row->addWidget(new QLabel("Polarity", &window));
    row->addWidget(polarity);
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
    auto* degrees = new QLineEdit(&window);
    auto* east = new QRadioButton("&East", &window);
    auto* step = new QSpinBox(&window);
    position->addWidget(degrees);
    position->addWidget(east);
    position->addWidget(step);
    form->addRow("Position (degrees)", position);
    EXPECT_EQ(DerivedAccessibleName(*degrees), "Position (degrees)");
    EXPECT_EQ(DerivedAccessibleName(*east), "East");
    EXPECT_EQ(DerivedAccessibleName(*step), "") << "only the first of the row";

    // A label above it in a column.
    auto* receivers = new QListWidget(&window);
    column->addWidget(new QLabel("Receiver:", &window));
    column->addWidget(receivers);
    EXPECT_EQ(DerivedAccessibleName(*receivers), "Receiver");

    // A label that is the buddy of another control names only that one.
    auto* other = new QLineEdit(&window);
    auto* taken = new QLabel("Other", &window);
    taken->setBuddy(other);
    auto* beside = new QLineEdit(&window);
    auto* pair = new QHBoxLayout;
    column->addLayout(pair);
    pair->addWidget(taken);
    pair->addWidget(beside);
    pair->addWidget(other);
    EXPECT_EQ(DerivedAccessibleName(*other), "Other");
    EXPECT_EQ(DerivedAccessibleName(*beside), "");

    // A button's own text, a literal ampersand kept.
    auto* save = new QPushButton("Fish && &Chips", &window);
    column->addWidget(save);
    EXPECT_EQ(DerivedAccessibleName(*save), "Fish & Chips");

    // The title of the tab page it is on.
    auto* tabs = new QTabWidget(&window);
    column->addWidget(tabs);
    auto* page = new QWidget;
    auto* onPage = new QLineEdit(page);
    tabs->addTab(page, "&Cable");
    EXPECT_EQ(DerivedAccessibleName(*onPage), "Cable");

    // The tooltip of a button without text, a line edit's placeholder.
    auto* refresh = new QToolButton(&window);
    refresh->setToolTip("Refresh all");
    column->addWidget(refresh);
    EXPECT_EQ(DerivedAccessibleName(*refresh), "Refresh all");
    auto* filter = new QLineEdit(&window);
    filter->setPlaceholderText("Filter by name");
    column->addWidget(filter);
    EXPECT_EQ(DerivedAccessibleName(*filter), "Filter by name");

    // The group box it is in, the nearest one.
    auto* outer = new QGroupBox("Reception", &window);
    auto* inner = new QGroupBox("LNB", outer);
    auto* lnb = new QSpinBox(inner);
    (new QVBoxLayout(outer))->addWidget(inner);
    (new QVBoxLayout(inner))->addWidget(lnb);
    column->addWidget(outer);
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
