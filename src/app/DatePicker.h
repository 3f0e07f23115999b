#pragma once

#include <QPointer>
#include <QToolButton>

class QCalendarWidget;
class QLineEdit;

// A calendar beside a box that takes a day typed as yyyy-mm-dd: the button opens a month to pick
// from, at the box's day (or today), and a day picked is written into the box as if typed. The box
// keeps taking typed days, and an empty box still means no day.
class DatePicker final : public QToolButton
{
    Q_OBJECT

public:
    DatePicker(QLineEdit *box, QWidget *parent);

    // The month shown while it is open; none while it is closed.
    QCalendarWidget *calendar() const;
    void open();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void pick(QDate day);

    QLineEdit *m_box;
    QPointer<QCalendarWidget> m_calendar; // deleted as it closes
};
