#include "core/base/Imagem.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace {

struct ErroJpeg {
    jpeg_error_mgr padrao;
    std::jmp_buf retorno;
    bool truncado;
};

[[noreturn]] void aoErro(j_common_ptr info) {
    auto* erro = reinterpret_cast<ErroJpeg*>(info->err);
    std::longjmp(erro->retorno, 1);
}

void semMensagem(j_common_ptr) {}

// libjpeg only warns when the data ends early and fills the rest of the
// picture with grey; a picture cut short is a broken entry all the same.
void aoAviso(j_common_ptr info, int nivel) {
    if (nivel >= 0) return;
    auto* erro = reinterpret_cast<ErroJpeg*>(info->err);
    const int codigo = erro->padrao.msg_code;
    if (codigo == JWRN_JPEG_EOF || codigo == JWRN_HIT_MARKER) erro->truncado = true;
    ++erro->padrao.num_warnings;
}

}  // namespace

std::unique_ptr<Imagem> decodificarJpeg(std::string_view bytes) {
    if (bytes.size() < 4) return nullptr;
    jpeg_decompress_struct info{};
    ErroJpeg erro{};
    info.err = jpeg_std_error(&erro.padrao);
    erro.padrao.error_exit = aoErro;
    erro.padrao.output_message = semMensagem;
    erro.padrao.emit_message = aoAviso;
    // Only trivially destructible locals live across the jump: the picture is
    // handed over to a unique_ptr after decoding finished.
    auto* imagem = new Imagem();
    if (setjmp(erro.retorno) != 0) {
        jpeg_destroy_decompress(&info);
        delete imagem;
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    // A forged header must not make us allocate gigabytes.
    if (static_cast<uint64_t>(info.output_width) * info.output_height > 64ull * 1024 * 1024) {
        jpeg_destroy_decompress(&info);
        delete imagem;
        return nullptr;
    }
    imagem->largura = static_cast<int>(info.output_width);
    imagem->altura = static_cast<int>(info.output_height);
    const size_t linha = static_cast<size_t>(imagem->largura) * 3;
    imagem->rgb.resize(linha * static_cast<size_t>(imagem->altura));
    while (info.output_scanline < info.output_height) {
        JSAMPROW destino = imagem->rgb.data() + linha * info.output_scanline;
        jpeg_read_scanlines(&info, &destino, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (erro.truncado) {
        delete imagem;
        return nullptr;
    }
    return std::unique_ptr<Imagem>(imagem);
}
