// Text for the core's painter: measured and drawn with the browser's font.
import {hl} from './core.js';

const fontSize = 13;
const fontSpec = fontSize + 'px sans-serif';
const lineHeight = 16;
const scratch = new OffscreenCanvas(1, 1).getContext('2d', {willReadFrequently: true});

export function measureText(text) {
  scratch.font = fontSpec;
  return Math.ceil(scratch.measureText(text).width);
}

/// Draws text black on white with its top-left corner at (x, y), turned a quarter
/// counter-clockwise when escapement is not 0, into the core's pixels (0xAARRGGBB words in
/// rows of rowLength), clipped to width × height; scale times as large as measureText says.
export function drawText(x, y, text, escapement, pixels, rowLength, width, height, scale = 1) {
  const font = scale === 1 ? fontSpec : fontSize * scale + 'px sans-serif';
  scratch.font = font;
  const w = Math.max(1, Math.ceil(scratch.measureText(text).width)), h = Math.ceil(lineHeight * scale);
  const turned = escapement !== 0;
  const cw = turned ? h : w, ch = turned ? w : h;
  const canvas = new OffscreenCanvas(cw, ch);
  const g = canvas.getContext('2d');
  g.fillStyle = '#fff';
  g.fillRect(0, 0, cw, ch);
  g.fillStyle = '#000';
  g.font = font;
  g.textBaseline = 'top';
  if (turned) {
    g.translate(0, w);
    g.rotate(-Math.PI / 2);
  }
  g.fillText(text, 0, Math.round(scale));
  const data = g.getImageData(0, 0, cw, ch).data;
  const x0 = x, y0 = turned ? y - w : y;
  const words = new Uint32Array(hl.HEAPU8.buffer, pixels, rowLength * height);
  for (let j = 0; j < ch; ++j) {
    const ty = y0 + j;
    if (ty < 0 || ty >= height) continue;
    for (let i = 0; i < cw; ++i) {
      const tx = x0 + i;
      if (tx < 0 || tx >= width) continue;
      const k = (j * cw + i) * 4;
      words[ty * rowLength + tx] = (0xff000000 | (data[k] << 16) | (data[k + 1] << 8) | data[k + 2]) >>> 0;
    }
  }
}
