#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace quillan::classroom {

// The quillan-classroom program: the server and its administration.
//
//   serve --db DB [--listen ADDRESS] [--port N] [--max-connections N] [--store-threads N]
//         [--hash-threads N] [--silence-limit SECONDS] [--log-requests]
//   user add --db DB NAME [--whole-course] [--no-access] [--no-typing]   password on stdin
//   user set --db DB NAME [--whole-course] [--no-access] [--no-typing]
//   user password --db DB NAME                                           password on stdin
//   lesson add --db DB NUMBER NAME [--exercise REF=NAME]...
//   assign --db DB USER LESSON [--from DATE] [--until DATE]
//   results --db DB USER [--course FILE]
//   users --db DB
//
// DB is the path of an SQLite file or a postgresql:// URI. Names on the command line and
// passwords on standard input are UTF-8; the server keeps them as the program sends them
// (Windows-1250). Exit codes: 0 done, 1 refused or failed (told on `err`), 2 wrong usage.
// `args` holds the arguments after the program name.
int RunClassroomCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                        std::ostream& err);

// Reads "yyyy-mm-dd" or "yyyy-mm-ddTHH:MM" as a local day number; a date alone is its
// midnight, or with `endOfDay` the midnight after it. False when it is no such date.
bool ParseAssignmentDate(const std::string& text, bool endOfDay, double& out);

}  // namespace quillan::classroom
