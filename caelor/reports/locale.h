// The user's regional settings for numbers, dates and times, as the "intl"
// values of WIN.INI hold them. Each value is cached; a getter reads its
// source again when asked to reload or on first use.
#pragma once

// Where the "intl" values come from: the Windows profile in caelor.exe,
// options in caelor-cli, fixed values in tests.
class LocaleSource {
  public:
    virtual ~LocaleSource() = default;
    // Copies the value of key into value (size bytes) and returns true, or
    // returns false when the key is absent.
    virtual bool Read(const char* key, char* value, int size) = 0;
};

// Installs the source (nullptr: every key absent, so the defaults apply) and
// marks every value for reloading.
void SetLocaleSource(LocaleSource* source);

char LocaleDecimalSeparator(bool reload); // "sdecimal", default '.'
bool LocaleLeadingZero(bool reload);      // "iLzero", default on
bool LocaleTimeLeadingZero(bool reload);  // "itlzero", default off
char LocaleDateSeparator(bool reload);    // from "sshortdate", default '/'
char LocaleTimeSeparator(bool reload);    // "stime", default ':'
bool LocaleMonthTwoDigit(bool reload);    // more than one 'M' in "sshortdate"
bool LocaleDayTwoDigit(bool reload);      // more than one 'd' in "sshortdate"
// 0 dmy, 1 dym, 2 mdy, 3 myd, 4 ydm, 5 ymd; 2 when the pattern fits none.
int LocaleDateOrder(bool reload);

// Reads every value again (the system announced a change of its settings).
void ReloadLocaleSettings();
