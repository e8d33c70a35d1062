#pragma once

#include <QObject>

// Lets the lists of the main window drop their selection when an active communication is
// picked; published to the main window's scenes as "focusHelper".
class FocusHelper : public QObject
{
    Q_OBJECT

public:
    explicit FocusHelper(QObject* parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE void activeCommsItemSelected() { emit focusItemChanged(); }

signals:
    void focusItemChanged();
};
