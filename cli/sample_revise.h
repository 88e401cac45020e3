// A revised version of a project in the JSON interchange form, as a design
// change gives it: a storey added on top (a copy of the top storey), the
// infill walls of the storey below the top changed from 100 to 200 thick,
// and the doors of the first storey removed. The file is read and written as
// a stream, one classified entry at a time, so that a project of a million
// records is revised without being held whole; the same input gives the same
// bytes.
#ifndef CLI_SAMPLE_REVISE_H_
#define CLI_SAMPLE_REVISE_H_

#include <cstdio>
#include <istream>
#include <string>

namespace reportdata::cli {

struct RevisionCounts {
  std::string added_floor;      // the storey added
  std::string wall_floor;       // the storey whose walls changed; empty when none did
  long long records_added = 0;  // on the added storey
  long long walls_changed = 0;  // bill records whose wall type changed
  long long doors_removed = 0;  // door records and door list entries left out
};

// Reads the project from in and writes the revision to out (compact JSON).
// Throws InputError, naming `name`, when in is not a project in the
// interchange form (a syntax error, no floor above ground).
RevisionCounts ReviseProject(std::istream& in, const std::string& name, std::FILE* out);

}  // namespace reportdata::cli

#endif  // CLI_SAMPLE_REVISE_H_
