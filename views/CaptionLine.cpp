#include "views/CaptionLine.h"

#include "contracts/Policy.h"
#include "model/Product.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QEvent>
#include <QStyle>
#include <QTableView>
#include <QTreeWidget>

#include <algorithm>

CCaptionLine::CCaptionLine(QLabel& caption, std::function<QString()> text)
    : QLabel(&caption), m_caption(caption), m_text(std::move(text)) {
    caption.installEventFilter(this);
    Update();
}

void CCaptionLine::Watch(const QAbstractItemModel* model) {
    connect(model, &QAbstractItemModel::modelReset, this, &CCaptionLine::Update);
    connect(model, &QAbstractItemModel::rowsInserted, this, &CCaptionLine::Update);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &CCaptionLine::Update);
    Update();
}

void CCaptionLine::Update() {
    setText(m_text());
    Place();
}

void CCaptionLine::Place() {
    // After the caption's text, in the rest of its band; a child's geometry
    // is not mirrored, so in a right-to-left window the band is on the left.
    const int left = m_caption.fontMetrics().horizontalAdvance(m_caption.text()) + 12;
    const QRect band(left, 0, std::max(0, m_caption.width() - left), m_caption.height());
    setGeometry(QStyle::visualRect(m_caption.layoutDirection(), m_caption.rect(), band));
}

bool CCaptionLine::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize)
        Place();
    return false;
}

QString CountOf(int n, const char* one, const char* many) {
    return QCoreApplication::translate("CCaptionLine", n == 1 ? one : many).arg(n);
}

namespace {

int DataRows(QWidget& pane, const char* grid) {
    auto* view = pane.findChild<QTableView*>(grid);
    return view ? view->model()->rowCount() : 0;
}

} // namespace

void AddLeftCaptionLines(QWidget& leftTop, QWidget& leftBottom) {
    if (auto* caption = leftTop.findChild<QLabel*>("SourceCaption")) {
        auto* line = new CCaptionLine(*caption, [&leftTop, caption] {
            // What the caption names follows the receiver type, as the caption does.
            const std::uint32_t type = GetProductType();
            if (IsSatellite(type))
                return CountOf(DataRows(leftTop, "SatGrid"),
                               QT_TRANSLATE_NOOP("CCaptionLine", "%1 satellite"),
                               QT_TRANSLATE_NOOP("CCaptionLine", "%1 satellites")) +
                       " \u00B7 " +
                       CountOf(DataRows(leftTop, "TPGrid"),
                               QT_TRANSLATE_NOOP("CCaptionLine", "%1 transponder"),
                               QT_TRANSLATE_NOOP("CCaptionLine", "%1 transponders"));
            if (!IsTerrestrialOnly(type) && !IsCableOnly(type))
                return QString();
            const bool cable = IsCable(type);
            return CountOf(DataRows(leftTop, cable ? "CableMuxGrid" : "TerMuxGrid"),
                           QT_TRANSLATE_NOOP("CCaptionLine", "%1 multiplex"),
                           QT_TRANSLATE_NOOP("CCaptionLine", "%1 multiplexes"));
        });
        line->setObjectName("SourceCaptionLine");
        for (const char* grid : {"SatGrid", "TPGrid", "CableMuxGrid", "TerMuxGrid"})
            if (auto* view = leftTop.findChild<QTableView*>(grid))
                line->Watch(view->model());
    }
    if (auto* caption = leftBottom.findChild<QLabel*>("ProviderCaption")) {
        auto* line = new CCaptionLine(*caption, [&leftBottom] {
            return CountOf(DataRows(leftBottom, "BroadcastGrid"),
                           QT_TRANSLATE_NOOP("CCaptionLine", "%1 provider"),
                           QT_TRANSLATE_NOOP("CCaptionLine", "%1 providers"));
        });
        line->setObjectName("ProviderCaptionLine");
        if (auto* view = leftBottom.findChild<QTableView*>("BroadcastGrid"))
            line->Watch(view->model());
    }
    if (auto* caption = leftBottom.findChild<QLabel*>("FavoriteCaption")) {
        auto* tree = leftBottom.findChild<QTreeWidget*>("FavTree");
        auto* line = new CCaptionLine(*caption, [tree] {
            const QTreeWidgetItem* root = tree ? tree->topLevelItem(0) : nullptr;
            return CountOf(root ? root->childCount() : 0,
                           QT_TRANSLATE_NOOP("CCaptionLine", "%1 list"),
                           QT_TRANSLATE_NOOP("CCaptionLine", "%1 lists"));
        });
        line->setObjectName("FavoriteCaptionLine");
        if (tree)
            line->Watch(tree->model());
    }
}
