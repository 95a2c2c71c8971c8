#pragma once
// The yellow quick-help box of the main window: a headline and a text,
// sized to both, hidden again by a click on it or when it loses the focus.
#include "shell/quick_help.h"

#include <QFrame>

class QLabel;

class QuickHelpBox : public QFrame {
    Q_OBJECT
public:
    explicit QuickHelpBox(QWidget* parent = nullptr);

    QLabel* lblHeadline() const { return headline_; }
    QLabel* lblQText() const { return text_; }

    // Each caption change sizes the box again.
    void SetCaptions(const QString& headline, const QString& body);
    // Sized to the two labels as they are now.
    void ResizeQuickHelp();
    // Moves to pos (pixels in the parent), brings the box to the front and shows it.
    void ShowAt(QPoint pos);
    // The whole request: hide, fill, size, place by key and index, show. g
    // describes the window; the box fills in its own position and size.
    void PlaceQuickHelp(const QString& headline, const QString& body, const QString& key, int16_t index,
                        QuickHelpGeometry g);

public slots:
    void picQuickHelp_Click();
    void picQuickHelp_LostFocus();
    void lblHeadline_Click();
    void lblQText_Click();
    // A caption changed: the box fits it again.
    void lblHeadline_Change();
    void lblQText_Change();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* headline_;
    QLabel* text_;
};
