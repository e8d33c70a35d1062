#include "libqml/items/combo_box_qml_adapter.h"

#include "common/assertions.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/items/combo_box.h"
#include "libqml/items/item_widget_host.h"
#include "libqml/utils/style.h"

#include <Kivo/Settings.h>

#include <QCompleter>
#include <QLineEdit>
#include <QListView>
#include <QPalette>

namespace QML {

QComboBoxQmlAdapter::QComboBoxQmlAdapter(QQuickItem* parent)
    : QComboBoxQmlAdapter(parent, QString(), false)
{
    loadCss();
}

QComboBoxQmlAdapter::QComboBoxQmlAdapter(QQuickItem* parent, const QString& objectName, bool editable)
    : QQuickItem(parent)
    , m_ComboBox(new ComboBox)
    , m_Host(nullptr)
{
    m_ComboBox->setEditable(editable);
    connectComboBox();
    if (!objectName.isEmpty())
        m_ComboBox->setObjectName(objectName);
    m_ComboBox->setFocusPolicy(Qt::StrongFocus);
    setAcceptedMouseButtons(Qt::LeftButton);
    const QSize hint = m_ComboBox->sizeHint();
    setImplicitSize(hint.width(), hint.height());
    m_Host = new ItemWidgetHost(this, m_ComboBox);

    if (Style* style = Style::instance()) {
        CHECKED_CONNECT(style, SIGNAL(colorsChanged()), this, SLOT(loadCss()));
        CHECKED_CONNECT(style, SIGNAL(fontFamilyChanged()), this, SLOT(loadCss()));
    } else {
        LOG_WARNING << "No style object: combo box style sheets will not follow style changes";
    }
}

QComboBoxQmlAdapter::~QComboBoxQmlAdapter()
{
    // The host view may already have taken the widget down with it.
    if (QWidget* widget = m_Host->widget())
        widget->deleteLater();
}

void QComboBoxQmlAdapter::connectComboBox()
{
    ComboBox* box = m_ComboBox;
    connect(box, &ComboBox::focusIn, this, &QComboBoxQmlAdapter::onFocusIn);
    connect(box, &ComboBox::focusOut, this, &QComboBoxQmlAdapter::onFocusOut);
    connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        emit textChanged(m_ComboBox->itemText(index));
        emit currentIdxChanged(index);
    });
    connect(box, QOverload<int>::of(&QComboBox::activated), this, &QComboBoxQmlAdapter::activatedIdxChanged);
    connect(box, &QComboBox::editTextChanged, this, &QComboBoxQmlAdapter::onEditTextChanged);
    connect(box, &ComboBox::keyTab, this, &QComboBoxQmlAdapter::keyTab);
    connect(box, &ComboBox::keyBacktab, this, &QComboBoxQmlAdapter::keyBacktab);
    connect(box, &ComboBox::keyReturn, this, &QComboBoxQmlAdapter::keyReturn);
    connect(box, &ComboBox::contextMenuRequested, this, &QComboBoxQmlAdapter::rightClicked);
    if (QLineEdit* edit = box->lineEdit())
        connect(edit, &QLineEdit::selectionChanged, this, &QComboBoxQmlAdapter::selectedTextChanged);
}

QString QComboBoxQmlAdapter::text() const
{
    return m_ComboBox->currentText();
}

void QComboBoxQmlAdapter::setText(const QString& text)
{
    m_ComboBox->setEditText(text);
    emit textChanged(text);
}

int QComboBoxQmlAdapter::currentIdx() const
{
    return m_ComboBox->currentIndex();
}

void QComboBoxQmlAdapter::setCurrentIdx(int index)
{
    m_ComboBox->setCurrentIndex(index);
}

bool QComboBoxQmlAdapter::editable() const
{
    return m_ComboBox->isEditable();
}

void QComboBoxQmlAdapter::setEditable(bool editable)
{
    if (editable == m_ComboBox->isEditable())
        return;
    m_ComboBox->setEditable(editable);
    // A new line edit comes with a new selection to follow.
    if (QLineEdit* edit = m_ComboBox->lineEdit())
        connect(edit, &QLineEdit::selectionChanged, this, &QComboBoxQmlAdapter::selectedTextChanged,
                Qt::UniqueConnection);
}

bool QComboBoxQmlAdapter::hasWidgetFocus() const
{
    return m_ComboBox->hasFocus();
}

void QComboBoxQmlAdapter::setWidgetFocus(bool focus)
{
    if (focus)
        m_ComboBox->setFocus(Qt::OtherFocusReason);
    emit focusChanged(focus);
}

QString QComboBoxQmlAdapter::selectedText() const
{
    const QLineEdit* edit = m_ComboBox->lineEdit();
    return edit ? edit->selectedText() : QString();
}

int QComboBoxQmlAdapter::findText(const QString& text) const
{
    return m_ComboBox->findText(text, Qt::MatchFixedString);
}

int QComboBoxQmlAdapter::getCount() const
{
    return m_ComboBox->count();
}

QString QComboBoxQmlAdapter::getItemText(int index) const
{
    return m_ComboBox->itemText(index);
}

void QComboBoxQmlAdapter::setItems(const QStringList& items)
{
    const QString typed = m_ComboBox->currentText();
    m_ComboBox->clear();
    m_ComboBox->addItems(items);
    m_ComboBox->setEditText(typed);
}

void QComboBoxQmlAdapter::setModel(QAbstractItemModel* model)
{
    m_ComboBox->clear();
    ASSERT_RETURN(model);
    m_ComboBox->setModel(model);
    m_ComboBox->followModel();
}

void QComboBoxQmlAdapter::setMaximumWidth(int width)
{
    m_ComboBox->setMaximumWidth(width);
}

void QComboBoxQmlAdapter::copy()
{
    if (QLineEdit* edit = m_ComboBox->lineEdit())
        edit->copy();
}

void QComboBoxQmlAdapter::cut()
{
    if (QLineEdit* edit = m_ComboBox->lineEdit())
        edit->cut();
}

void QComboBoxQmlAdapter::paste()
{
    if (QLineEdit* edit = m_ComboBox->lineEdit())
        edit->paste();
}

void QComboBoxQmlAdapter::selectAll()
{
    if (QLineEdit* edit = m_ComboBox->lineEdit())
        edit->selectAll();
}

int QComboBoxQmlAdapter::getSelectedIndex() const
{
    return m_ComboBox->currentIndex();
}

void QComboBoxQmlAdapter::setSelectedColor(const QColor& color)
{
    QPalette palette = m_ComboBox->palette();
    const QBrush brush(color, Qt::SolidPattern);
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        const auto colorGroup = static_cast<QPalette::ColorGroup>(group);
        palette.setBrush(colorGroup, QPalette::Text, brush);
        palette.setBrush(colorGroup, QPalette::WindowText, brush);
    }
    m_ComboBox->setPalette(palette);
}

void QComboBoxQmlAdapter::insertSeparator(int index)
{
    m_ComboBox->insertSeparator(index);
}

void QComboBoxQmlAdapter::onEditTextChanged(const QString& text)
{
    emit textChanged(text);
}

void QComboBoxQmlAdapter::onFocusIn()
{
    emit focusChanged(true);
}

void QComboBoxQmlAdapter::onFocusOut()
{
    emit focusChanged(false);
}

QString QComboBoxQmlAdapter::styledCss(const char* key)
{
    return withStyleTokens(Kivo::Settings(Kivo::Settings::StyleSettings).value(QLatin1String(key)).toString(), key);
}

QString QComboBoxQmlAdapter::withStyleTokens(QString css, const char* key)
{
    if (const Style* style = Style::instance()) {
        if (!style->replaceCssWithStyle(css))
            LOG_WARNING << "Unclosed style token in the style sheet " << key;
    }
    return css;
}

void QComboBoxQmlAdapter::loadCss()
{
    m_BaseCss = styledCss(CssKey);
}

void QComboBoxQmlAdapter::applyCss(const char* key, const QString& fallback)
{
    QComboBoxQmlAdapter::loadCss();
    QString own = styledCss(key);
    if (own.isEmpty())
        own = withStyleTokens(fallback, key);
    m_ComboBox->setStyleSheet(m_BaseCss + own);
}

namespace {

// The user-name box sits in the login scene's credentials frame; unless the theme says
// otherwise it looks like the text fields around it.
const QString LoginComboFallbackCss = QStringLiteral(
    "QComboBox { border: none; background: %%colors:inputFieldBackground%%; color: %%colors:loginDarkText%%;"
    " font-family: \"%%font:defaultFontFamily%%\"; font-size: 12px; padding-left: 7px;"
    " selection-background-color: %%colors:loginHighlightText%%; selection-color: %%colors:whiteText%%; }"
    "QComboBox::drop-down { border: none; width: 18px; }"
    "QComboBox::down-arrow { image: url(:/windows/LoginWindow/combo_arrow.png); }"
    // No remembered names: nothing to drop down.
    "QComboBox[hasItems=\"false\"]::drop-down { width: 0px; }"
    "QComboBox[hasItems=\"false\"]::down-arrow { image: none; }"
    "QComboBox QAbstractItemView { border: 1px solid %%colors:loginDivider%%; outline: none; padding: 2px 0px;"
    " background: %%colors:inputFieldBackground%%; color: %%colors:loginDarkText%%;"
    " font-family: \"%%font:defaultFontFamily%%\"; font-size: 12px; }"
    "QComboBox QAbstractItemView::item { min-height: 24px; padding-left: 7px; border: none; }"
    "QComboBox QAbstractItemView::item:hover, QComboBox QAbstractItemView::item:selected {"
    " background: %%colors:lightActiveBackground%%; color: %%colors:loginDarkText%%; }");

// What every named element does after the base is built.
void finishNamed(QComboBoxQmlAdapter* adapter)
{
    adapter->loadCss();
    adapter->comboBox()->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

} // namespace

QLoginComboBoxQmlAdapter::QLoginComboBoxQmlAdapter(QQuickItem* parent)
    : QComboBoxQmlAdapter(parent, QStringLiteral("userNameCombo"), true)
{
    finishNamed(this);
    comboBox()->setReportsReturn(true);
    comboBox()->setInsertPolicy(QComboBox::NoInsert);
    if (QCompleter* completer = comboBox()->completer())
        completer->setCaseSensitivity(Qt::CaseSensitive);
}

void QLoginComboBoxQmlAdapter::loadCss()
{
    applyCss(CssKey, LoginComboFallbackCss);
}

QFilterComboBoxQmlAdapter::QFilterComboBoxQmlAdapter(QQuickItem* parent)
    : QComboBoxQmlAdapter(parent, QStringLiteral("filterCombo"), true)
{
    finishNamed(this);
}

void QFilterComboBoxQmlAdapter::loadCss()
{
    applyCss(CssKey);
}

QNumberSelectorComboBoxQmlAdapter::QNumberSelectorComboBoxQmlAdapter(QQuickItem* parent)
    : QComboBoxQmlAdapter(parent, QStringLiteral("numberSelectorCombo"), true)
{
    finishNamed(this);
}

void QNumberSelectorComboBoxQmlAdapter::loadCss()
{
    applyCss(CssKey);
}

QCommWinNumberSelectorComboBoxQmlAdapter::QCommWinNumberSelectorComboBoxQmlAdapter(QQuickItem* parent)
    : QComboBoxQmlAdapter(parent, QStringLiteral("commWindowNumberSelectorCombo"), true)
{
    finishNamed(this);
}

void QCommWinNumberSelectorComboBoxQmlAdapter::loadCss()
{
    applyCss(CssKey);
    // A plain list view lets the sheet style the pop-up's entries.
    comboBox()->setView(new QListView);
}

} // namespace QML
