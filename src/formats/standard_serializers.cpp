#include "formats/standard_serializers.h"

#include <memory>

#include "formats/serializer_image_sbx.h"
#include "formats/serializer_list.h"

void AddStandardSerializers(CSerializerList& list)
{
    list.AddTail(std::make_unique<CSerializerImageSbx>());
}
