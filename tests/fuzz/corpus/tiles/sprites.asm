sprites:
    db %01100110, $3C, 0x3C, 3Ch, 60 ; a row each
    .DB 0,0,0
    defb 255,1
label: .byte 128
