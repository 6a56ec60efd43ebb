#include "views/SourceGridCtrl.h"

#include "contracts/Texts.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"

#include <QKeyEvent>
#include <QMenu>

CSourceGridCtrl::CSourceGridCtrl(const ViewContext& context, int dragId, SourceGrid kind,
                                 QWidget* parent)
    : CListGridCtrl(context, dragId, parent), m_kind(kind) {}

void CSourceGridCtrl::RunCommand(int id) {
    switch (id) {
    case kSourceNew:
        return OnNew();
    case kSourceUpdate:
        return OnUpdate();
    case kSourceDelete:
        return OnDelete();
    case kSourceDescription:
        return OnDescription();
    default:
        return;
    }
}

void CSourceGridCtrl::MakeMenu() {
    m_pMenu = new QMenu(this);
    m_pMenu->setObjectName(objectName() + "Menu");
    for (const MenuItem& item : SourceMenuItems(m_kind)) {
        if (item.IsSeparator()) {
            m_pMenu->addSeparator();
            continue;
        }
        QAction* action = m_pMenu->addAction(Text(item.text));
        action->setData(item.id);
    }
}

void CSourceGridCtrl::OnRButtonUp(const QPoint& point) {
    if (!m_pMenu)
        MakeMenu();
    const int selected = GetSelectedRowCount();
    for (QAction* action : m_pMenu->actions())
        if (!action->isSeparator())
            action->setEnabled(SourceMenuItemEnabled(action->data().toInt(), selected));
    if (QAction* chosen = m_pMenu->exec(viewport()->mapToGlobal(point)))
        RunCommand(chosen->data().toInt());
}

CGridCtrl::Key CSourceGridCtrl::OnKeyDown(const QKeyEvent& event) {
    const KeyOutcome outcome = SourceKeyAction(m_kind, GridKeyPress(event));
    if (outcome.command != kSourceNone)
        RunCommand(outcome.command);
    return outcome.consumed ? Key::Consumed : Key::PassOn;
}

std::vector<std::uint32_t> CSourceGridCtrl::SelectedKeys() const {
    std::vector<std::uint32_t> keys;
    for (int row : GetSelectedRows())
        if (const std::uint32_t key = GetRowKey(row))
            keys.push_back(key);
    return keys;
}

std::uint32_t CSourceGridCtrl::FocusKey() const {
    const std::vector<int> selected = GetSelectedRows();
    if (selected.empty())
        return 0;
    const int focus = GetFocusCell().row;
    for (int row : selected)
        if (row == focus)
            return GetRowKey(row);
    return GetRowKey(selected.front());
}

bool CSourceGridCtrl::AskDelete(const QString& counts) {
    return m_ui.MessageBoxWithDetails(this, Text(texts::kAskDelete), counts, kMessageCaption,
                                      IUiSeam::Buttons::YesNo,
                                      IUiSeam::Icon::Question) == IUiSeam::IDYES;
}
