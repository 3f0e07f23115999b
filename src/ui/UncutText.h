#pragma once

class QLineEdit;
class QString;

// Puts text the program chose into a box whose length limit is meant for typing. QLineEdit cuts
// every text to its limit, so the limit widens to fit, and narrows back to the typing limit as
// the user's own edits shorten the text again.
void setTextUncut(QLineEdit *box, const QString &text);
