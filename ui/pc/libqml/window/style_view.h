#pragma once

#include "libqml/window/qml_window.h"

namespace QML {

// Developer window that edits the colour and font table and moves it in and out of CSV
// files. At most one exists at a time.
class StyleView : public Window
{
    Q_OBJECT

public:
    enum FileAction { NoAction = 0, Import = 1, ExportColors = 2, ExportColorsAndStyle = 3 };

    explicit StyleView(QWidget* parent = nullptr);
    ~StyleView() override;

    static StyleView* instance();

    bool loadScene();
    QSize minimumWindowSize() const override;

    Q_INVOKABLE void importCsv();
    Q_INVOKABLE void exportCsv(bool withStyle);

signals:
    void importCsv(const QString& fileName);
    void exportCsv(const QString& fileName, bool withStyle);

private slots:
    void fileSelected(const QString& path);
    void onFontFamilyChanged();

private:
    void openChooser();

    FileAction m_Action = NoAction;
};

} // namespace QML
