#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

// An image value of a skin section: the value's text in a read-only field,
// a browse button that opens the image tools, and the reset button. "N/A"
// stands for an absent key.
class TImageField : public QWidget
{
public:
    explicit TImageField(const QString& key, QWidget* parent = nullptr);

    const QString& Key() const { return key_; }
    QString Text() const;
    // Shows the text; the change handling runs when it differs from the shown one.
    void SetText(const QString& text);
    // The reset button is enabled exactly when the text names a value.
    void LinkResetButton();

    QLineEdit* Edit;
    QToolButton* ButtonBrowse;
    QToolButton* CheckReset;
    std::function<void()> OnChange;
    std::function<void()> OnBrowse;
    std::function<void()> OnReset;

private:
    QString key_;
};
