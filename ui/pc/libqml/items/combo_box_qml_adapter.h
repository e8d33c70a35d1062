#pragma once

#include <QColor>
#include <QPointer>
#include <QQuickItem>
#include <QString>
#include <QStringList>

class QAbstractItemModel;

namespace QML {

class ComboBox;
class ItemWidgetHost;

// A widget combo box placed over a scene item. The plain element keeps the platform
// look: its style sheet is read but never applied; the named elements below add
// their own sheets on top of it.
class QComboBoxQmlAdapter : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(int activatedIdx READ currentIdx NOTIFY activatedIdxChanged)
    Q_PROPERTY(int currentIdx READ currentIdx WRITE setCurrentIdx NOTIFY currentIdxChanged)
    Q_PROPERTY(bool editable READ editable WRITE setEditable)
    Q_PROPERTY(bool focus READ hasWidgetFocus WRITE setWidgetFocus NOTIFY focusChanged)
    Q_PROPERTY(QString selectedText READ selectedText NOTIFY selectedTextChanged)

public:
    static constexpr const char* CssKey = "qml/combo/css";

    explicit QComboBoxQmlAdapter(QQuickItem* parent = nullptr);
    ~QComboBoxQmlAdapter() override;

    ComboBox* comboBox() const { return m_ComboBox; }
    QString baseCss() const { return m_BaseCss; }

    QString text() const;
    void setText(const QString& text);
    int currentIdx() const;
    void setCurrentIdx(int index);
    bool editable() const;
    void setEditable(bool editable);
    bool hasWidgetFocus() const;
    void setWidgetFocus(bool focus);
    QString selectedText() const;

    Q_INVOKABLE int findText(const QString& text) const;
    Q_INVOKABLE int getCount() const;
    Q_INVOKABLE QString getItemText(int index) const;
    Q_INVOKABLE void setItems(const QStringList& items);
    Q_INVOKABLE void setModel(QAbstractItemModel* model);
    Q_INVOKABLE void setMaximumWidth(int width);
    Q_INVOKABLE void copy();
    Q_INVOKABLE void cut();
    Q_INVOKABLE void paste();
    Q_INVOKABLE void selectAll();
    Q_INVOKABLE int getSelectedIndex() const;
    Q_INVOKABLE void setSelectedColor(const QColor& color);
    Q_INVOKABLE void insertSeparator(int index);

signals:
    void textChanged(const QString& text);
    void currentIdxChanged(int index);
    void activatedIdxChanged(int index);
    void focusChanged(bool focus);
    void selectedTextChanged();
    void keyTab();
    void keyBacktab();
    // Return or Enter, from an element whose scene owns those keys.
    void keyReturn();
    // A right click or the menu key on the box, for the scene to offer its own menu.
    void rightClicked();

public slots:
    void onEditTextChanged(const QString& text);
    void onFocusIn();
    void onFocusOut();
    virtual void loadCss();

protected:
    QComboBoxQmlAdapter(QQuickItem* parent, const QString& objectName, bool editable);

    // Runs the base step, then applies the base sheet followed by the one under `key`, or by
    // `fallback` while the theme has none under that key.
    void applyCss(const char* key, const QString& fallback = QString());
    // Settings of the style type, with the style's tokens filled in.
    static QString styledCss(const char* key);
    static QString withStyleTokens(QString css, const char* key);

private:
    void connectComboBox();

    ComboBox* m_ComboBox;
    ItemWidgetHost* m_Host;
    QString m_BaseCss;
};

// The user-name box of the login window. Return and Enter go to the window, and what is
// typed never becomes an entry of the list.
class QLoginComboBoxQmlAdapter : public QComboBoxQmlAdapter
{
    Q_OBJECT

public:
    static constexpr const char* CssKey = "qml/login_combo/css";

    explicit QLoginComboBoxQmlAdapter(QQuickItem* parent = nullptr);

public slots:
    void loadCss() override;
};

// A combo box that filters its entries by the typed text.
class QFilterComboBoxQmlAdapter : public QComboBoxQmlAdapter
{
    Q_OBJECT

public:
    static constexpr const char* CssKey = "qml/filter_combo/css";

    explicit QFilterComboBoxQmlAdapter(QQuickItem* parent = nullptr);

public slots:
    void loadCss() override;
};

// Chooses one of a contact's numbers.
class QNumberSelectorComboBoxQmlAdapter : public QComboBoxQmlAdapter
{
    Q_OBJECT

public:
    static constexpr const char* CssKey = "qml/number_combo/css";

    explicit QNumberSelectorComboBoxQmlAdapter(QQuickItem* parent = nullptr);

public slots:
    void loadCss() override;
};

// Chooses one of a contact's numbers inside a communications window.
class QCommWinNumberSelectorComboBoxQmlAdapter : public QComboBoxQmlAdapter
{
    Q_OBJECT

public:
    static constexpr const char* CssKey = "qml/comm_win_number_combo/css";

    explicit QCommWinNumberSelectorComboBoxQmlAdapter(QQuickItem* parent = nullptr);

public slots:
    void loadCss() override;
};

} // namespace QML
