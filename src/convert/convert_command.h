#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class CSerializerList;

// The batch converter behind stipplebox-convert: the editor's readers,
// writers and exports driven from a command line. Returns the exit status:
// 0 done, 1 failed (the reason on err), 2 the command line was not understood.
int RunConvert(const std::vector<std::string>& arguments, const CSerializerList& serializers, std::ostream& out,
               std::ostream& err);
