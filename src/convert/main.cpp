// stipplebox-convert: converts and exports pictures from the command line
// with the editor's own formats.
#include <iostream>

#include "convert/convert_command.h"
#include "formats/serializer_list.h"
#include "formats/standard_serializers.h"

int main(int argc, char** argv)
{
    CSerializerList serializers;
    AddStandardSerializers(serializers);
    return RunConvert({argv + 1, argv + argc}, serializers, std::cout, std::cerr);
}
