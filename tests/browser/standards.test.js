// The standards-compliant code in a current Chromium: every chosen style applies with and
// without a doctype, every target navigates, Back and the keyboard behave, the page is valid
// HTML5 and axe finds nothing to report.
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const {after, before, test} = require('node:test');
const {HtmlValidate} = require('html-validate');
const pages = require('./pages');

const STANDARDS = 'standards';
let browser;
let folder;

before(async () => {
    browser = await pages.launch();
    folder = pages.makeFolder('pickwell-standards-');
});

after(async () => {
    await browser.close();
    pages.removeFolders();
});

function fragmentPage(project, name, {doctype = true} = {}) {
    const {functionCode, htmlCode} = pages.clipTexts(project, STANDARDS);
    const html = doctype ? pages.doctypePage(functionCode, htmlCode)
                         : `<html><head>${functionCode}</head><body>${htmlCode}</body></html>`;
    return {url : pages.writePage(folder, name, html), html};
}

test('every chosen style applies, with a doctype and without one', async () => {
    const everything = Object.fromEntries(
        Object.entries(pages.CHOSEN_STYLES).map(([ element,
                                                   chosen ]) => [element, Object.keys(chosen)]));
    for (const [doctype, compatMode] of [[ true, 'CSS1Compat' ], [ false, 'BackCompat' ]]) {
        const {url} = fragmentPage('browser_styles.pkw', `styles-${doctype}.html`, {doctype});
        const {applied, mode, errors} = await pages.appliedStyles(browser.context, url);
        assert.equal(mode, compatMode);
        assert.deepEqual(applied, everything, compatMode);
        assert.deepEqual(errors, []);
    }
});

test('the Go button navigates in the same window and unlinked items stay', async () => {
    const {page, errors, navigations} = await pages.open(
        browser, pages.codeFilePage(folder, 'browser_shop.pkw', 'shop.html', STANDARDS));
    const list = page.getByLabel('shop');
    assert.equal(await list.inputValue(), 'poetry.html');
    await list.selectOption('nolink');
    await page.getByRole('button', {name : 'Go'}).click();
    await list.selectOption('cafe.html');
    await page.getByRole('button', {name : 'Go'}).click();
    await page.waitForURL(/cafe\.html$/);
    assert.deepEqual(navigations, [ 'cafe.html' ]);
    assert.deepEqual(errors, []);
});

test('the new-window target opens a window and the frame target fills the named frame',
     async () => {
         const {page, errors} = await pages.open(
             browser, pages.codeFilePage(folder, 'browser_newwindow.pkw', 'new.html', STANDARDS));
         await page.getByLabel('popup').selectOption('novels.html');
         const [popup] = await Promise.all([
             browser.context.waitForEvent('page'), page.getByRole('button', {name : 'Go'}).click()
         ]);
         await popup.waitForLoadState();
         assert.equal(await popup.title(), 'Novels');
         await popup.close();
         assert.deepEqual(errors, []);

         const preview = pages.makeFolder('pickwell-standards-frames-');
         pages.generate('preview', 'browser_frame.pkw', preview, STANDARDS);
         const framed = await pages.open(
             browser,
             pages.pathToFileURL(path.join(preview, 'pickwell_preview_frameset.html')).href);
         const main = framed.page.frame({name : 'main'});
         const lower = framed.page.frame({name : 'lower'});
         await main.getByLabel('framed').selectOption('poetry.html');
         await main.getByRole('button', {name : 'Go'}).click();
         await lower.waitForURL(/poetry\.html$/);
         assert.match(main.url(), /pickwell_preview\.html$/);
         assert.deepEqual(framed.errors, [], 'the standards preview has no window sizing to block');
     });

test('after Back the pre-selected item shows, and choosing the same item again navigates',
     async () => {
         const {page, errors, navigations} = await pages.open(
             browser, pages.codeFilePage(folder, 'browser_change.pkw', 'change.html', STANDARDS));
         const list = page.getByLabel('quick');
         await list.selectOption('poetry.html');
         await page.waitForURL(/poetry\.html$/);
         await page.goBack();
         assert.equal(await list.inputValue(), 'nolink');
         await list.selectOption('poetry.html');
         await page.waitForURL(/poetry\.html$/);
         assert.deepEqual(navigations, [ 'poetry.html', 'change.html', 'poetry.html' ]);
         assert.deepEqual(errors, []);
     });

test('on item change the arrow keys alone do not navigate, Enter does', async () => {
    const {page, errors, navigations} = await pages.open(
        browser, pages.codeFilePage(folder, 'browser_change.pkw', 'keys.html', STANDARDS));
    const list = page.getByLabel('quick');
    await list.focus();
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    assert.equal(await list.inputValue(), 'poetry.html');
    await page.keyboard.press('Enter');
    await page.waitForURL(/poetry\.html$/);
    assert.deepEqual(navigations, [ 'poetry.html' ],
                     'the first arrow chose Novels and went nowhere');
    assert.deepEqual(errors, []);
});

test('texts and addresses arrive as they were typed', async () => {
    const {page, errors} = await pages.open(
        browser, pages.codeFilePage(folder, 'browser_escapes.pkw', 'escapes.html', STANDARDS));
    const list = page.getByLabel('escapes');
    assert.deepEqual(await list.locator('option').allTextContents(),
                     [ 'Fish & Chips <fresh>', 'Say "cheese"' ]);
    assert.equal(await list.inputValue(), 'menu.html?dish="fish"&size=large');
    assert.equal(await page.locator('input[type=submit]').inputValue(), 'Go <now>');
    await page.locator('input[type=submit]').click();
    await page.waitForURL(/menu\.html\?dish=%22fish%22&size=large$/);
    assert.deepEqual(errors, []);
});

test('two menus on one page work each by itself', async () => {
    const shop = pages.clipTexts('browser_shop.pkw', STANDARDS);
    const quick = pages.clipTexts('browser_change.pkw', STANDARDS);
    const url = pages.writePage(
        folder, 'two.html', pages.doctypePage(shop.functionCode, shop.htmlCode + quick.htmlCode));
    const {page, errors, navigations} = await pages.open(browser, url);
    await page.getByLabel('shop').selectOption('novels.html');
    await page.getByLabel('quick').selectOption('poetry.html');
    await page.waitForURL(/poetry\.html$/);
    assert.deepEqual(navigations, [ 'poetry.html' ]);
    assert.deepEqual(errors, []);
});

test('the page is valid HTML5 and axe reports no violation', async () => {
    const validator =
        new HtmlValidate({extends : [ 'html-validate:standard', 'html-validate:a11y' ]});
    // A menu that navigates on item change has no button by the author's choice; the Enter key
    // takes the choice instead.
    const withoutButton = new HtmlValidate({
        extends : [ 'html-validate:standard', 'html-validate:a11y' ],
        rules : {'wcag/h32' : 'off'},
    });
    for (const project of ['browser_shop.pkw', 'browser_change.pkw', 'browser_styles.pkw',
                           'browser_image.pkw', 'browser_escapes.pkw']) {
        const {url, html} = fragmentPage(project, `valid-${project}.html`);
        const rules = project === 'browser_change.pkw' ? withoutButton : validator;
        const report = await rules.validateString(html);
        assert.ok(report.valid, `${project}: ${JSON.stringify(report.results, null, 1)}`);

        const page = await browser.context.newPage();
        await page.goto(url);
        await page.addScriptTag({path : require.resolve('axe-core')});
        const {violations} = await page.evaluate(() => globalThis.axe.run());
        assert.deepEqual(violations.map((v) => `${v.id}: ${v.help}`), [], project);
        await page.close();
    }
});
