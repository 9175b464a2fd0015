#pragma once

#include <QToolBar>

class QLineEdit;

// The search box beside the main toolbar: what is typed filters the list at once, Esc empties it.
class SearchBar final : public QToolBar
{
    Q_OBJECT

public:
    explicit SearchBar(QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit& Box() { return *m_box; }
    // Ctrl+F: the box takes the focus with its text selected, ready to be typed over.
    void Focus();

signals:
    void FilterChanged(const QString& text);

private:
    QLineEdit* m_box = nullptr;
};
