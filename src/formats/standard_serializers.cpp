#include "formats/standard_serializers.h"

#include <memory>

#include "formats/serializer_image_bmp.h"
#include "formats/serializer_image_dpx.h"
#include "formats/serializer_image_gif.h"
#include "formats/serializer_image_png.h"
#include "formats/serializer_image_sbx.h"
#include "formats/serializer_list.h"

void AddStandardSerializers(CSerializerList& list)
{
    list.AddTail(std::make_unique<CSerializerImageSbx>());
    list.AddTail(std::make_unique<CSerializerImagePng>());
    list.AddTail(std::make_unique<CSerializerImageGif>());
    list.AddTail(std::make_unique<CSerializerImageBmp>());
    list.AddTail(std::make_unique<CSerializerImageDpx>());
}
