#include "app/program_state.h"

#include <chrono>

namespace dalmiro {

LocalDate DaysBefore(const LocalDate& date, int days) {
    using namespace std::chrono;
    const sys_days day = sys_days{year{date.year} / month{static_cast<unsigned>(date.month)} /
                                  std::chrono::day{static_cast<unsigned>(date.day)}} -
                         std::chrono::days{days};
    const year_month_day shifted{day};
    return {static_cast<int>(shifted.year()),
            static_cast<int>(static_cast<unsigned>(shifted.month())),
            static_cast<int>(static_cast<unsigned>(shifted.day()))};
}

Text FormatReportDate(const LocalDate& date) {
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.day);
}

void SetReportDates(ProgramState& state, Clock& clock) {
    const LocalDate today = clock.Today();
    state.report.end = FormatReportDate(DaysBefore(today, 1));
    state.report.start = FormatReportDate(DaysBefore(today, 7));
}

} // namespace dalmiro
