#pragma once

class QString;
class QToolButton;

// The small button with the delete icon that stands beside a value control
// and removes (or zeroes) its key. Its tool tip names the key it resets.
QToolButton* NewResetButton(const QString& key);
