// Writes Larkspur's tag definition file (data/tagdefs.ini) to standard output.
//
// The vocabulary comes from maintained packages: element names
// (html-tag-names), the attributes of each element (html-element-attributes),
// void elements (html-void-elements), the values of enumerated attributes
// (html-enumerated-attributes) and which attributes are boolean or numeric
// (property-information). The grouping, the order of attributes and the value
// kinds of paths, colours and styles are this file's own.
//
//   cd scripts/tagdefs && npm install && npm run generate
import {htmlTagNames} from 'html-tag-names'
import {htmlElementAttributes} from 'html-element-attributes'
import {htmlVoidElements} from 'html-void-elements'
import {enumeratedAttributes} from 'html-enumerated-attributes'
import {html, find} from 'property-information'

const ROWS = 20

// Groups a person looks for, in menu order.
const groups = [
  ['文書', ['html', 'head', 'title', 'base', 'link', 'meta', 'style', 'body']],
  ['区分', ['main', 'header', 'footer', 'nav', 'section', 'article', 'aside', 'search', 'address',
    'h1', 'h2', 'h3', 'h4', 'h5', 'h6', 'hgroup']],
  ['テキスト', ['p', 'div', 'br', 'hr', 'pre', 'blockquote', 'span', 'wbr']],
  ['リスト', ['ul', 'ol', 'li', 'dl', 'dt', 'dd', 'menu']],
  ['語句', ['em', 'strong', 'small', 'mark', 'b', 'i', 'u', 's', 'q', 'cite', 'dfn', 'abbr', 'code', 'kbd',
    'samp', 'var', 'sub', 'sup', 'time', 'data', 'bdi', 'bdo', 'ruby', 'rt', 'rp', 'ins', 'del']],
  ['リンク', ['a', 'map', 'area', 'link']],
  ['画像・メディア', ['img', 'picture', 'source', 'figure', 'figcaption', 'video', 'audio', 'track', 'iframe',
    'embed', 'object', 'param', 'canvas', 'svg', 'math']],
  ['表', ['table', 'caption', 'colgroup', 'col', 'thead', 'tbody', 'tfoot', 'tr', 'th', 'td']],
  ['フォーム', ['form', 'fieldset', 'legend', 'label', 'input', 'button', 'select', 'optgroup', 'option',
    'datalist', 'textarea', 'output', 'progress', 'meter']],
  ['対話', ['details', 'summary', 'dialog']],
  ['スクリプト', ['script', 'noscript', 'template', 'slot', 'canvas']],
  ['フレーム', ['frameset', 'frame', 'noframes', 'iframe']],
  ['旧式の装飾', ['font', 'basefont', 'center', 'big', 'tt', 'strike', 'nobr', 'marquee', 'blink', 'acronym',
    'applet', 'bgsound', 'noembed', 'dir']]
]

// Names the packages list that no browser or author uses any more.
const dropped = new Set(['command', 'content', 'element', 'shadow', 'multicol', 'nextid', 'spacer', 'isindex',
  'rb', 'rbc', 'rtc', 'listing', 'plaintext', 'xmp', 'image', 'keygen', 'menuitem'])

const placed = new Set(groups.flatMap(([, tags]) => tags))
const rest = htmlTagNames.filter((t) => !placed.has(t) && !dropped.has(t))
if (rest.length > 0) groups.push(['その他', rest])

// Attributes that come first in a row list, in this order; the others follow
// alphabetically, then the global attributes while rows are left.
const first = ['href', 'src', 'alt', 'name', 'type', 'value', 'action', 'method', 'for', 'http-equiv', 'content',
  'charset', 'rel', 'target', 'width', 'height', 'colspan', 'rowspan', 'border', 'cellpadding', 'cellspacing',
  'align', 'valign', 'bgcolor', 'color', 'face', 'size', 'text', 'link', 'vlink', 'alink', 'background',
  'placeholder', 'checked', 'selected', 'disabled', 'readonly', 'required', 'multiple', 'maxlength', 'min', 'max',
  'step', 'rows', 'cols', 'loading', 'srcset', 'sizes', 'controls', 'autoplay', 'loop', 'muted', 'poster']
const globals = ['id', 'class', 'style', 'title', 'lang', 'dir']
const extraAttributes = {svg: ['width', 'height', 'viewbox', 'xmlns'], math: ['display', 'xmlns']}

// Value kinds: 0 bare name, 1 path, 2 colour, 3 number, 4 style.
const paths = new Set(['href', 'src', 'action', 'poster', 'background', 'cite', 'data', 'formaction', 'longdesc',
  'manifest', 'codebase', 'archive', 'lowsrc', 'dynsrc', 'icon', 'profile', 'classid'])
const colours = new Set(['bgcolor', 'color', 'text', 'link', 'vlink', 'alink', 'bordercolor', 'bordercolordark',
  'bordercolorlight'])
const numbers = new Set(['width', 'height', 'size', 'span', 'colspan', 'rowspan', 'cols', 'rows', 'border',
  'cellpadding', 'cellspacing', 'hspace', 'vspace', 'maxlength', 'minlength', 'min', 'max', 'step', 'tabindex',
  'start', 'marginwidth', 'marginheight', 'frameborder', 'low', 'high', 'optimum', 'scrollamount',
  'scrolldelay', 'leftmargin', 'topmargin'])

// "text" and "link" are colours of BODY only.
const bodyColours = new Set(['text', 'link'])

function kind(tag, attribute) {
  if (attribute === 'style') return 4
  if (paths.has(attribute)) return 1
  if (colours.has(attribute) && (!bodyColours.has(attribute) || tag === 'body')) return 2
  if (numbers.has(attribute)) return 3
  const info = find(html, attribute)
  if (info.boolean) return 0
  if (info.number) return 3
  return null // plain value
}

function attributesOf(tag) {
  const own = [...new Set([...(htmlElementAttributes[tag] || []), ...(extraAttributes[tag] || [])])]
  own.sort((a, b) => {
    const ia = first.indexOf(a)
    const ib = first.indexOf(b)
    if (ia >= 0 || ib >= 0) return (ia < 0 ? 999 : ia) - (ib < 0 ? 999 : ib)
    return a < b ? -1 : a > b ? 1 : 0
  })
  // id, class and style always get a row; title, lang and dir while rows are left.
  const rows = own.filter((a) => !globals.includes(a)).slice(0, ROWS - 3)
  for (const g of globals) if (rows.length < ROWS && !rows.includes(g)) rows.push(g)
  return rows
}

// Choice lists: per tag ("$tag.attr") where a value set belongs to some
// elements, shared ("$attr") where it belongs to all.
const choices = new Map()
function addChoices(section, values) {
  const list = [...new Set(values.filter((v) => typeof v === 'string' && v !== ''))]
  if (list.length > 0 && !choices.has(section)) choices.set(section, list)
}
function stateName(state) {
  if (Array.isArray(state)) return state.find((s) => s !== '') ?? ''
  return state
}
for (const [attribute, definitions] of Object.entries(enumeratedAttributes)) {
  if (attribute === 'charset') continue // below: the names Japanese pages use
  for (const d of Array.isArray(definitions) ? definitions : [definitions]) {
    const values = d.states.map(stateName)
    if (!d.selector) addChoices(`$${attribute}`, values)
    else for (const tag of d.selector.split(',').map((s) => s.trim())) addChoices(`$${tag}.${attribute}`, values)
  }
}
const charsets = ['UTF-8', 'Shift_JIS', 'EUC-JP', 'ISO-2022-JP']
addChoices('$meta.charset', charsets)
addChoices('$script.charset', charsets)
addChoices('$a.charset', charsets)
addChoices('$link.charset', charsets)
addChoices('$form.accept-charset', charsets)
addChoices('$align', ['left', 'center', 'right', 'justify'])
addChoices('$img.align', ['left', 'right', 'top', 'middle', 'bottom'])
addChoices('$valign', ['top', 'middle', 'bottom', 'baseline'])
addChoices('$lang', ['ja', 'en'])
addChoices('$link.rel', ['stylesheet', 'icon', 'canonical', 'alternate', 'preload', 'manifest'])
addChoices('$a.rel', ['nofollow', 'noopener', 'noreferrer', 'external', 'license'])
addChoices('$meta.name', ['viewport', 'description', 'keywords', 'author', 'robots', 'theme-color', 'generator'])
addChoices('$meta.http-equiv', ['content-type', 'refresh', 'default-style', 'content-security-policy'])
addChoices('$meta.content', ['width=device-width, initial-scale=1', 'text/html; charset=UTF-8', 'noindex, nofollow'])
addChoices('$script.type', ['module', 'text/javascript', 'importmap'])
addChoices('$style.type', ['text/css'])
addChoices('$link.type', ['text/css', 'image/png', 'image/svg+xml'])
addChoices('$link.media', ['screen', 'print', 'all'])
addChoices('$style.media', ['screen', 'print', 'all'])
addChoices('$source.type', ['image/avif', 'image/webp', 'image/png', 'image/jpeg', 'video/mp4', 'video/webm',
  'audio/mpeg', 'audio/ogg'])
addChoices('$font.size', ['1', '2', '3', '4', '5', '6', '7', '+1', '+2', '-1', '-2'])
addChoices('$font.face', ['ＭＳ ゴシック', 'ＭＳ Ｐゴシック', 'ＭＳ 明朝', 'sans-serif', 'serif', 'monospace'])
addChoices('$hr.align', ['left', 'center', 'right'])
addChoices('$table.frame', ['void', 'above', 'below', 'hsides', 'lhs', 'rhs', 'vsides', 'box', 'border'])
addChoices('$table.rules', ['none', 'groups', 'rows', 'cols', 'all'])
addChoices('$marquee.behavior', ['scroll', 'slide', 'alternate'])
addChoices('$iframe.sandbox', ['allow-scripts', 'allow-same-origin', 'allow-forms', 'allow-popups'])
addChoices('$input.autocomplete', ['on', 'off', 'name', 'email', 'tel', 'postal-code', 'address-level1',
  'street-address', 'username', 'current-password', 'new-password'])
addChoices('$frameset.frameborder', ['0', '1'])
addChoices('$frame.scrolling', ['auto', 'yes', 'no'])
addChoices('$iframe.scrolling', ['auto', 'yes', 'no'])

// ------------------------------------------------------------------ output
const out = []
const line = (s) => out.push(s)
line('; Larkspur tag definitions: groups, tags, attribute rows, value kinds and choices.')
line('; Generated by scripts/tagdefs/gen-tagdefs.mjs; edit freely, or regenerate as its header says.')
line('; Value kinds: 0 bare name, 1 path (P), 2 colour (C), 3 number (N), 4 style (S); none: plain value.')
line('; "</>=0" marks an element without an end tag.')
line('[GroupDef]')
groups.forEach(([name], i) => line(`${i}=${name}`))
for (const [name, tags] of groups) {
  line(`[@${name}]`)
  tags.forEach((tag, i) => line(`${i}=${tag}`))
}
const tags = [...new Set(groups.flatMap(([, t]) => t))]
const voids = new Set(htmlVoidElements)
const usedAttributes = new Set()
for (const tag of tags) {
  line(`[${tag}]`)
  if (voids.has(tag)) line('</>=0')
  const rows = attributesOf(tag)
  rows.forEach((attribute, i) => line(`${i}=${attribute}`))
  for (const attribute of rows) {
    usedAttributes.add(`${tag}.${attribute}`)
    usedAttributes.add(attribute)
    const k = kind(tag, attribute)
    if (k !== null) line(`${attribute}=${k}`)
  }
}
for (const [section, values] of [...choices.entries()].sort()) {
  const key = section.slice(1)
  if (!usedAttributes.has(key)) continue // a list no row would show
  line(`[${section}]`)
  values.forEach((v, i) => line(`${i}=${v}`))
}
process.stdout.write(out.join('\r\n') + '\r\n')
