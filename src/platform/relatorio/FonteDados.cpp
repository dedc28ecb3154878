#include "platform/relatorio/FonteDados.h"

namespace rh::relatorio {

FonteDados::~FonteDados() = default;

}  // namespace rh::relatorio
