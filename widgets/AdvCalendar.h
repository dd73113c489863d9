// CAdvCalendar: a modal month calendar. It opens on the date it is given (today by default),
// shows one month with the week numbers, and returns the chosen date on OK. A double click or
// Enter on a day chooses it; "Today" goes back to the current date.
#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;

class CAdvCalendar : public QDialog {
    Q_OBJECT

public:
    explicit CAdvCalendar(QWidget* parent = nullptr, const QDate& start = QDate::currentDate(),
                          const QString& caption = tr("Calendar"));

    QDate SelectedDate() const;
    void SetSelectedDate(const QDate& date);
    QCalendarWidget* Calendar() const { return calendar_; }

private:
    QCalendarWidget* calendar_;
};
