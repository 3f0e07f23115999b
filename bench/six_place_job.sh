# Sourced by the benchmarks that print from the command line: writes the same-number job they
# time, six positions per sheet and one number, with sheets 000000 to SHEETS-1.
# Usage: write_six_place_job SHEETS FILE
write_six_place_job() {
  local sheets=$1 file=$2 i
  {
    printf '[Ultima Impresi\xf3n Solapa:0]\r\n'
    for i in 0 1 2 3 4 5; do
      printf 'PosX_%d=%d\r\nPosY_%d=%d\r\nCheck1_%d=0\r\n' "$i" $((500 + (i % 3) * 3500)) "$i" $((1000 + (i / 3) * 6000)) "$i"
    done
    printf 'Desde=000000\r\nHasta=%s\r\nsstab= 0\r\n' "$(printf '%06d' $((sheets - 1)))"
    printf '[Fuentes]\r\nColor=0\r\nTama\xf1o=14\r\nIndice=DejaVu Sans\r\n[Solapa]\r\nSStab=0\r\n'
  } >"$file"
}
