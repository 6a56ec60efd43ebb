#include "views/CaptionLine.h"

#include "contracts/Policy.h"
#include "model/Product.h"

#include <QAbstractItemModel>
#include <QEvent>
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
    // After the caption's text, in the rest of its band.
    const int left = m_caption.fontMetrics().horizontalAdvance(m_caption.text()) + 12;
    setGeometry(left, 0, std::max(0, m_caption.width() - left), m_caption.height());
}

bool CCaptionLine::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize)
        Place();
    return false;
}

QString CountOf(int n, const char* one, const char* many) {
    return QString("%1 %2").arg(n).arg(n == 1 ? one : many);
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
            if (caption->text() == " Satellite")
                return CountOf(DataRows(leftTop, "SatGrid"), "satellite", "satellites") +
                       " \u00B7 " +
                       CountOf(DataRows(leftTop, "TPGrid"), "transponder", "transponders");
            if (caption->text().isEmpty())
                return QString();
            const bool cable = IsCable(GetProductType());
            return CountOf(DataRows(leftTop, cable ? "CableMuxGrid" : "TerMuxGrid"), "multiplex",
                           "multiplexes");
        });
        line->setObjectName("SourceCaptionLine");
        for (const char* grid : {"SatGrid", "TPGrid", "CableMuxGrid", "TerMuxGrid"})
            if (auto* view = leftTop.findChild<QTableView*>(grid))
                line->Watch(view->model());
    }
    if (auto* caption = leftBottom.findChild<QLabel*>("ProviderCaption")) {
        auto* line = new CCaptionLine(*caption, [&leftBottom] {
            return CountOf(DataRows(leftBottom, "BroadcastGrid"), "provider", "providers");
        });
        line->setObjectName("ProviderCaptionLine");
        if (auto* view = leftBottom.findChild<QTableView*>("BroadcastGrid"))
            line->Watch(view->model());
    }
    if (auto* caption = leftBottom.findChild<QLabel*>("FavoriteCaption")) {
        auto* tree = leftBottom.findChild<QTreeWidget*>("FavTree");
        auto* line = new CCaptionLine(*caption, [tree] {
            const QTreeWidgetItem* root = tree ? tree->topLevelItem(0) : nullptr;
            return CountOf(root ? root->childCount() : 0, "list", "lists");
        });
        line->setObjectName("FavoriteCaptionLine");
        if (tree)
            line->Watch(tree->model());
    }
}
