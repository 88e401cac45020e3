// Number texts of the report rows and formula texts. Every quantity a table
// shows goes through here so that the texts equal what printf gives for the
// same format ("%f", "%.2f", "%.3f", "%d") without going through a wide
// printf per cell.
#ifndef REPORTDATA_KEYS_NUMBER_FORMAT_H_
#define REPORTDATA_KEYS_NUMBER_FORMAT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace reportdata {

// Room for "%.<decimals>f" of any double with up to 100 decimals: the
// largest double has 309 digits before the point.
constexpr size_t kFixedChars = 512;

// `value` as printf's "%.<decimals>f" writes it, in buffer. REQUIRES:
// 0 <= decimals <= 100.
std::string_view PrintFixed(double value, int decimals, char (&buffer)[kFixedChars]);

// Appends `value` as printf's "%.<decimals>f" would write it.
void AppendFixed(std::wstring& out, double value, int decimals);

// Appends `value` as printf's "%d" would write it.
void AppendInt(std::wstring& out, long long value);

// "%f" (six decimals), the format of every quantity cell.
std::wstring FormatQuantity(double value);

// "%d".
std::wstring FormatInt(long long value);

}  // namespace reportdata

#endif  // REPORTDATA_KEYS_NUMBER_FORMAT_H_
