// stipplebox-convert: converts and exports pictures from the command line
// with the editor's own formats.
#include <iostream>

#include "convert/convert_command.h"
#include "formats/serializer_list.h"
#include "formats/serializer_image_bmp.h"
#include "formats/serializer_image_dpx.h"
#include "formats/serializer_image_gif.h"
#include "formats/serializer_image_png.h"

int main(int argc, char** argv)
{
    CSerializerList serializers;
    serializers.AddTail(std::make_unique<CSerializerImagePng>());
    serializers.AddTail(std::make_unique<CSerializerImageGif>());
    serializers.AddTail(std::make_unique<CSerializerImageBmp>());
    serializers.AddTail(std::make_unique<CSerializerImageDpx>());
    return RunConvert({argv + 1, argv + argc}, serializers, std::cout, std::cerr);
}
