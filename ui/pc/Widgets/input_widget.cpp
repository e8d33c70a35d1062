#include "Widgets/input_widget.h"

#include "common/connect_check.h"
#include "libqml/window/qml_view.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Widgets {

namespace {

constexpr int FormWidth = 230;
constexpr int FormHeight = 94;

} // namespace

InputWidget::InputWidget(const QString& text, bool alwaysOnTop, QWidget* parent)
    : QML::Window(alwaysOnTop, parent)
    , m_NameLabel(new QLabel(this))
    , m_NameEdit(new QLineEdit(this))
    , m_ButtonBox(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    // A widget form, not a scene: the hosted view stays out of sight.
    view()->hide();
    setObjectName("inputWidget");
    m_NameLabel->setObjectName("nameLabel");
    m_NameLabel->setTextFormat(Qt::PlainText);
    m_NameEdit->setObjectName("nameEdit");
    m_ButtonBox->setObjectName("buttonBox");
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->setContentsMargins(15, 8, 15, 4);
    layout->addWidget(m_NameLabel);
    layout->addWidget(m_NameEdit);
    layout->addWidget(m_ButtonBox);
    resize(FormWidth, FormHeight);

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    m_NameEdit->setFocus();
    m_NameEdit->setText(text);
    m_NameEdit->selectAll();
    textEdited(text);

    CHECKED_CONNECT(m_NameEdit, SIGNAL(textEdited(const QString&)), this, SLOT(textEdited(const QString&)));
    CHECKED_CONNECT(m_NameEdit, SIGNAL(returnPressed()), this, SLOT(accepted()));
    CHECKED_CONNECT(m_ButtonBox, SIGNAL(accepted()), this, SLOT(accepted()));
    CHECKED_CONNECT(m_ButtonBox, SIGNAL(rejected()), this, SLOT(close()));
}

void InputWidget::accepted()
{
    const QString text = m_NameEdit->text().trimmed();
    if (!m_AcceptAllowed || text.isEmpty())
        return;
    emit accepted(text);
    close();
}

void InputWidget::textEdited(const QString& text)
{
    if (QPushButton* ok = m_ButtonBox->button(QDialogButtonBox::Ok))
        ok->setEnabled(m_AcceptAllowed && !text.trimmed().isEmpty());
}

void InputWidget::setAcceptAllowed(bool allowed)
{
    if (allowed == m_AcceptAllowed)
        return;
    m_AcceptAllowed = allowed;
    textEdited(m_NameEdit->text());
}

void InputWidget::setMaxLength(int length)
{
    const int start = m_NameEdit->selectionStart();
    const int selected = m_NameEdit->selectedText().length();
    m_NameEdit->setMaxLength(length);
    if (start >= 0)
        m_NameEdit->setSelection(start, selected);
}

void InputWidget::setLabelText(const QString& text)
{
    m_NameLabel->setText(text);
}

QString InputWidget::helpContext() const
{
    return QStringLiteral("addGroup");
}

} // namespace Widgets
