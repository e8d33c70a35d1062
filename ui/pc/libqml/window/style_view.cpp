#include "libqml/window/style_view.h"

#include "Dialogs/file_dialog.h"
#include "libqml/utils/style.h"
#include "libqml/window/qml_view.h"

#include <QQuickItem>

namespace QML {

namespace {
StyleView* g_StyleView = nullptr;
} // namespace

StyleView::StyleView(QWidget* parent)
    : Window(false, parent)
{
    setTitle(tr("Style view"));
    g_StyleView = this;
    connect(view(), &View::keyEscapePressed, this, &QWidget::close);
    if (Style* style = Style::instance()) {
        connect(this, qOverload<const QString&>(&StyleView::importCsv), style, &Style::importCsv);
        connect(this, qOverload<const QString&, bool>(&StyleView::exportCsv), style, &Style::exportCsv);
        connect(style, &Style::fontFamilyChanged, this, &StyleView::onFontFamilyChanged);
    }
}

StyleView::~StyleView()
{
    if (g_StyleView == this)
        g_StyleView = nullptr;
}

StyleView* StyleView::instance()
{
    return g_StyleView;
}

bool StyleView::loadScene()
{
    return loadQML(QStringLiteral("qrc:/windows/StyleView.qml"));
}

QSize StyleView::minimumWindowSize() const
{
    return QSize(375, 400);
}

void StyleView::importCsv()
{
    m_Action = Import;
    openChooser();
}

void StyleView::exportCsv(bool withStyle)
{
    m_Action = withStyle ? ExportColorsAndStyle : ExportColors;
    openChooser();
}

void StyleView::openChooser()
{
    const bool importing = m_Action == Import;
    const QString defaultName = m_Action == ExportColors ? QStringLiteral("colors.csv")
        : m_Action == ExportColorsAndStyle              ? QStringLiteral("style.csv")
                                                        : QString();
    auto* chooser = new Dialogs::FileDialog(this, importing ? Dialogs::FileDialog::OpenCsv : Dialogs::FileDialog::SaveCsv, defaultName);
    connect(chooser, &Dialogs::FileDialog::fileSelected, this, &StyleView::fileSelected);
    chooser->open();
}

void StyleView::fileSelected(const QString& path)
{
    if (sender())
        sender()->deleteLater();
    if (path.isEmpty())
        return;
    if (m_Action == Import)
        emit importCsv(path);
    else
        emit exportCsv(path, m_Action == ExportColorsAndStyle);
}

void StyleView::onFontFamilyChanged()
{
    if (QQuickItem* root = view()->rootObject())
        root->setProperty("fontSelectorVisible", true);
}

} // namespace QML
