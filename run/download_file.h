// The last step of a run: the staged lines of the download file, read back in
// sorted order, brought to their final form and written.
#ifndef KORVANTIS_RUN_DOWNLOAD_FILE_H_
#define KORVANTIS_RUN_DOWNLOAD_FILE_H_

#include <cstdio>
#include <string>

namespace kv::run {

// Fixed-width lines (record_length > 0) are padded with blanks to that
// length; with is_id_master a line without a newline gets one. Every newline
// reaches the file as carriage return and line feed, on every platform.
//
// A file that cannot be written completely is reported on the console and
// never replaces what was there: a new file is written beside the old one
// and takes its place only when complete; an appended file is cut back to
// its former length (or removed, if the run created it).
void WriteDownloadFile(std::FILE* console, const char* path, bool new_file, int record_length,
                       bool is_id_master);

// One staged line in its final form, as the file receives it.
std::string FinalLine(const char* line, int record_length, bool is_id_master);

}  // namespace kv::run

#endif  // KORVANTIS_RUN_DOWNLOAD_FILE_H_
