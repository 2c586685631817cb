// The run's console messages, in Windows-1252 (\xE4 is "ä"), as printf
// formats. Several have no newline: the next output continues the line.
#ifndef KORVANTIS_RUN_MESSAGES_H_
#define KORVANTIS_RUN_MESSAGES_H_

namespace kv::run {

inline constexpr char kMsgTooFewArguments[] = "Anzahl Parameter(mind. 4) unterschritten! AnzParam: %d";
inline constexpr char kMsgUsage[] =
    "Aufruf: KORVANTIS [Param1] [Param2] [Param3] [Param4]  \n"
    "Param1: DNL-Funktion\n"
    "Param2: Terminal-Name\n"
    "Param3: Pfad der DNL-Datei\n"
    "Param4: 1: neu 0: dran h\xE4ngen\n";
// An argument longer than the run can hold: number, length, capacity.
inline constexpr char kMsgArgumentTooLong[] = "Param%d zu lang! Laenge: %d Max: %d\n";
// A configuration value longer than the run can hold: key, length, capacity.
inline constexpr char kMsgConfigValueTooLong[] =
    "Konfigurationswert %s zu lang! Laenge: %d Max: %d\n";

inline constexpr char kMsgConnectError[] = "DB-Connect-Error: %d!";
inline constexpr char kMsgConnectValues[] = "Name:%s Pwd:%s Net:%s Schema:%s\n";
// The password never reaches the log in clear.
inline constexpr char kMaskedPassword[] = "********";
inline constexpr char kMsgConnected[] = "Mit Datenbank verbunden! Schema: %s\n";
inline constexpr char kMsgStagingDeleteError[] = "Error Tab. Kvs999Tmp loeschen! ErrNr: %d User: %s";
inline constexpr char kMsgSchema[] = "Schema: %s\n";
inline constexpr char kMsgTerminalTenantSwitchError[] = "DB-Alter-Session-Error: %d Schema: %s\n";
inline constexpr char kMsgTenantSwitchError[] = "DB-Alter-Session-Error: %d Schema: %s";

inline constexpr char kMsgCannotOpenDownloadFile[] = "Downloadfile %s konnte nicht geoeffnet werden!\n";
// The file could not be written completely (disk full, I/O error); the
// previous file, if any, is left as it was.
inline constexpr char kMsgCannotWriteDownloadFile[] =
    "Downloadfile %s konnte nicht vollstaendig geschrieben werden! (%s)\n";

}  // namespace kv::run

#endif  // KORVANTIS_RUN_MESSAGES_H_
