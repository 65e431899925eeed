#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "convert/convert_command.h"
#include "formats/serializer_list.h"
#include "formats/standard_serializers.h"

// The converter run in process on its arguments, with what it printed.
struct SRun {
    int status;
    std::string out;
    std::string err;
};

inline SRun RunTool(std::vector<std::string> arguments)
{
    CSerializerList formats;
    AddStandardSerializers(formats);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunConvert(arguments, formats, out, err);
    return {status, out.str(), err.str()};
}
